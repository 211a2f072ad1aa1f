"""Shapes described by their signed distance in pixels: negative inside, positive outside."""
import math


class Disc:
    def __init__(self, cx, cy, radius):
        self.cx, self.cy, self.radius = cx, cy, radius

    def distance(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) - self.radius

    def bounds(self):
        r = self.radius
        return self.cx - r, self.cy - r, self.cx + r, self.cy + r


class Ring:
    def __init__(self, cx, cy, radius, width):
        self.cx, self.cy, self.radius, self.width = cx, cy, radius, width

    def distance(self, x, y):
        return abs(math.hypot(x - self.cx, y - self.cy) - self.radius) - self.width / 2

    def bounds(self):
        r = self.radius + self.width / 2
        return self.cx - r, self.cy - r, self.cx + r, self.cy + r


class Stroke:
    """A straight line with round ends."""

    def __init__(self, x0, y0, x1, y1, width):
        self.x0, self.y0, self.x1, self.y1, self.width = x0, y0, x1, y1, width

    def distance(self, x, y):
        dx, dy = self.x1 - self.x0, self.y1 - self.y0
        length_squared = dx * dx + dy * dy
        along = ((x - self.x0) * dx + (y - self.y0) * dy) / length_squared if length_squared else 0.0
        along = min(1.0, max(0.0, along))
        return math.hypot(x - self.x0 - along * dx, y - self.y0 - along * dy) - self.width / 2

    def bounds(self):
        half = self.width / 2
        return (min(self.x0, self.x1) - half, min(self.y0, self.y1) - half,
                max(self.x0, self.x1) + half, max(self.y0, self.y1) + half)


def polyline(points, width):
    """Strokes joining consecutive points, as one shape."""
    return Union([Stroke(*a, *b, width) for a, b in zip(points, points[1:])])


class RoundedBox:
    def __init__(self, cx, cy, half_width, half_height, corner):
        self.cx, self.cy = cx, cy
        self.half_width, self.half_height, self.corner = half_width, half_height, corner

    def distance(self, x, y):
        qx = abs(x - self.cx) - self.half_width + self.corner
        qy = abs(y - self.cy) - self.half_height + self.corner
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - self.corner

    def bounds(self):
        return (self.cx - self.half_width, self.cy - self.half_height,
                self.cx + self.half_width, self.cy + self.half_height)


class Outline:
    """The edge of a filled shape, drawn as a line of the given width."""

    def __init__(self, shape, width):
        self.shape, self.width = shape, width

    def distance(self, x, y):
        return abs(self.shape.distance(x, y)) - self.width / 2

    def bounds(self):
        x0, y0, x1, y1 = self.shape.bounds()
        half = self.width / 2
        return x0 - half, y0 - half, x1 + half, y1 + half


class Shifted:
    """A shape moved by (dx, dy), as for a drop shadow."""

    def __init__(self, shape, dx, dy):
        self.shape, self.dx, self.dy = shape, dx, dy

    def distance(self, x, y):
        return self.shape.distance(x - self.dx, y - self.dy)

    def bounds(self):
        x0, y0, x1, y1 = self.shape.bounds()
        return x0 + self.dx, y0 + self.dy, x1 + self.dx, y1 + self.dy


class Union:
    """Several shapes painted as one, so that overlaps are not painted twice."""

    def __init__(self, shapes):
        self.shapes = shapes

    def distance(self, x, y):
        return min(shape.distance(x, y) for shape in self.shapes)

    def bounds(self):
        boxes = [shape.bounds() for shape in self.shapes]
        return (min(b[0] for b in boxes), min(b[1] for b in boxes),
                max(b[2] for b in boxes), max(b[3] for b in boxes))


def coverage(distance):
    """Share of a pixel covered by a shape whose edge is this far from the pixel's centre."""
    return min(1.0, max(0.0, 0.5 - distance))
