"""Writes Windows icon files holding 32-bit images with alpha."""
import struct

INFO_HEADER_SIZE = 40


def _image_bytes(rows):
    """rows: (r, g, b, a) tuples, top row first; the icon stores them bottom-up with an AND mask."""
    size = len(rows)
    mask_stride = (size + 31) // 32 * 4
    color = b"".join(struct.pack("<4B", b, g, r, a) for row in reversed(rows) for r, g, b, a in row)
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, alpha) in enumerate(row):
            if alpha == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", INFO_HEADER_SIZE, size, size * 2, 1, 32, 0,
                         len(color) + len(mask), 0, 0, 0, 0)
    return header + color + bytes(mask)


def icon_bytes(images):
    """images: square pictures as rows of (r, g, b, a), largest first."""
    blobs = [_image_bytes(rows) for rows in images]
    directory = struct.pack("<HHH", 0, 1, len(blobs))
    offset = len(directory) + 16 * len(blobs)
    entries = b""
    for rows, blob in zip(images, blobs):
        size_byte = len(rows) % 256  # the directory writes 256 pixels as 0
        entries += struct.pack("<BBBBHHII", size_byte, size_byte, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return directory + entries + b"".join(blobs)
