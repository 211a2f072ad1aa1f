"""Turns the robot's screenshots (24-bit bottom-up bitmap files) into PNG
files, with the standard library only.

usage: bmp_to_png.py FILE.bmp...   (writes FILE.png beside each, removes FILE.bmp)
"""
import struct
import sys
import zlib
from pathlib import Path


def png_bytes(bitmap):
    pixel_offset, = struct.unpack_from("<I", bitmap, 10)
    width, height, _, bits = struct.unpack_from("<iiHH", bitmap, 18)
    if bits != 24 or height <= 0:
        raise ValueError("only 24-bit bottom-up bitmaps are handled")
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for y in range(height - 1, -1, -1):
        start = pixel_offset + y * stride
        bgr = bitmap[start:start + width * 3]
        rgb = bytearray(len(bgr))
        rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
        rows.append(b"\0" + bytes(rgb))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data)))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def main(paths):
    for path in map(Path, paths):
        path.with_suffix(".png").write_bytes(png_bytes(path.read_bytes()))
        path.unlink()


if __name__ == "__main__":
    main(sys.argv[1:])
