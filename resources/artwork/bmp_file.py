"""Writes Windows bitmap files with 8 bits per pixel and a 256-entry palette."""
import struct

FILE_HEADER_SIZE, INFO_HEADER_SIZE = 14, 40
PIXELS_PER_METRE_AT_96_DPI = 3780


def indexed_bitmap_bytes(palette, rows):
    """palette: 256 (r, g, b) entries; rows: palette indices, top row first."""
    height, width = len(rows), len(rows[0])
    stride = (width + 3) // 4 * 4
    image_size = stride * height
    color_table = b"".join(struct.pack("<4B", b, g, r, 0) for r, g, b in palette)
    pixel_offset = FILE_HEADER_SIZE + INFO_HEADER_SIZE + len(color_table)
    file_header = struct.pack("<2sIHHI", b"BM", pixel_offset + image_size, 0, 0, pixel_offset)
    info_header = struct.pack("<IiiHHIIiiII", INFO_HEADER_SIZE, width, height, 1, 8, 0, image_size,
                              PIXELS_PER_METRE_AT_96_DPI, PIXELS_PER_METRE_AT_96_DPI, len(palette), 0)
    padding = bytes(stride - width)
    pixels = b"".join(bytes(row) + padding for row in reversed(rows))
    return file_header + info_header + color_table + pixels
