"""Bitmap files for the server, made byte by byte, and the reading of the
robot's screenshots (24-bit bottom-up bitmap files)."""
import struct

PANEL_WIDTH = 150
PANEL_HEIGHT = 300


def _file(header_and_colours, pixels):
    """File header, then the information header with its colour table, then pixels."""
    pixel_offset = 14 + len(header_and_colours)
    file_header = struct.pack("<2sIHHI", b"BM", pixel_offset + len(pixels), 0, 0, pixel_offset)
    return file_header + header_and_colours + pixels


def _info(width, height, bits, image_size, colours_used, header_size=40):
    """An information header; the longer ones (108, 124 bytes) keep their extra fields 0."""
    fields = struct.pack("<IiiHHIIiiII", header_size, width, height, 1, bits, 0, image_size, 2835, 2835,
                         colours_used, 0)
    return fields.ljust(header_size, b"\0")


def _row_bytes(width, bits):
    return (width * bits + 31) // 32 * 4


def solid_8_bit(colour, width=PANEL_WIDTH, height=PANEL_HEIGHT, header_size=40, state_size=False):
    """A 256-colour bitmap filled with colour (red, green, blue): palette entry 1.
    A negative height stores the rows top-down. Unless state_size, the image
    size field is 0, so the reader works the size out itself."""
    red, green, blue = colour
    palette = bytes(4) + bytes((blue, green, red, 0)) + bytes(4 * 254)
    pixels = bytes([1]) * width
    row = pixels + bytes(_row_bytes(width, 8) - width)
    image = row * abs(height)
    info = _info(width, height, 8, len(image) if state_size else 0, 0, header_size)
    return _file(info + palette, image)


def solid_24_bit(colour, width=PANEL_WIDTH, height=PANEL_HEIGHT):
    """A true-colour bitmap, without palette, filled with colour."""
    red, green, blue = colour
    pixels = bytes((blue, green, red)) * width
    row = pixels + bytes(_row_bytes(width, 24) - width * 3)
    image = row * height
    return _file(_info(width, height, 24, len(image), 0), image)


def cut_short(bitmap, keep_fraction):
    """The bitmap with its pixel data cut after keep_fraction of it."""
    pixel_offset, = struct.unpack_from("<I", bitmap, 10)
    pixel_bytes = len(bitmap) - pixel_offset
    return bitmap[:pixel_offset + int(pixel_bytes * keep_fraction)]


def count_pixels(screenshot_path, colour):
    """How many pixels of a 24-bit bitmap file (a robot screenshot) have colour."""
    data = open(screenshot_path, "rb").read()
    pixel_offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    if bits != 24:
        raise ValueError(f"{screenshot_path}: {bits} bits per pixel, not 24")
    red, green, blue = colour
    wanted = bytes((blue, green, red))
    stride = _row_bytes(width, 24)
    count = 0
    for row in range(abs(height)):
        start = pixel_offset + row * stride
        line = data[start:start + width * 3]
        count += sum(1 for x in range(0, len(line), 3) if line[x:x + 3] == wanted)
    return count


def striped_8_bit(colours, width=PANEL_WIDTH, height=PANEL_HEIGHT):
    """A 256-colour bitmap of one-pixel columns in the colours, in turn."""
    palette = bytes(4) + b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    palette += bytes(4 * (256 - 1 - len(colours)))
    pixels = bytes(1 + x % len(colours) for x in range(width))
    row = pixels + bytes(_row_bytes(width, 8) - width)
    return _file(_info(width, height, 8, 0, 0) + palette, row * height)


class Screenshot:
    """A robot screenshot, read pixel by pixel from its top left corner."""

    def __init__(self, path):
        with open(path, "rb") as file:
            self.data = file.read()
        self.pixel_offset, = struct.unpack_from("<I", self.data, 10)
        self.width, self.height = struct.unpack_from("<ii", self.data, 18)
        self.stride = _row_bytes(self.width, 24)

    def pixel(self, x, y):
        """(red, green, blue)"""
        start = self.pixel_offset + (self.height - 1 - y) * self.stride + x * 3
        blue, green, red = self.data[start:start + 3]
        return red, green, blue
