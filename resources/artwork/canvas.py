"""An RGB picture in floating point, painted with anti-aliased shapes."""
import math

from .shapes import coverage


def mix(a, b, amount):
    return tuple(p + (q - p) * amount for p, q in zip(a, b))


class Canvas:
    def __init__(self, width, height, background):
        """background(x, y) gives the colour (0 to 255 per channel) of each pixel."""
        self.width, self.height = width, height
        self.pixels = [background(x, y) for y in range(height) for x in range(width)]

    def blend(self, x, y, color, alpha):
        if 0 <= x < self.width and 0 <= y < self.height and alpha > 0:
            index = y * self.width + x
            self.pixels[index] = mix(self.pixels[index], color, alpha)

    def paint(self, shape, color, opacity=1.0):
        x0, y0, x1, y1 = shape.bounds()
        for y in range(max(0, math.floor(y0) - 1), min(self.height, math.ceil(y1) + 2)):
            for x in range(max(0, math.floor(x0) - 1), min(self.width, math.ceil(x1) + 2)):
                alpha = coverage(shape.distance(x + 0.5, y + 0.5)) * opacity
                self.blend(x, y, color, alpha)

    def fill_rectangle(self, x, y, width, height, color, opacity=1.0):
        for row in range(y, y + height):
            for column in range(x, x + width):
                self.blend(column, row, color, opacity)

    def rows(self):
        """Rows from the top, each a list of (r, g, b) tuples of floats."""
        return [self.pixels[y * self.width:(y + 1) * self.width] for y in range(self.height)]
