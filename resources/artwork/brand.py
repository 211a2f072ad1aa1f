"""The vendor's colours and logo mark: a ring with an orange moon on its orbit."""
import math

from .shapes import Disc, Ring, Shifted

WHITE = (255, 255, 255)
SHADOW = (0, 0, 0)
ACCENT_ORANGE = (247, 150, 44)
MOON_ANGLE = math.radians(-40)
THINNEST_RING = 2.0


def draw_logo(canvas, cx, cy, radius, background):
    """The mark drawn around (cx, cy); radius is the ring's middle line.

    The moon is set off from the ring by a rim in the background colour."""
    ring = Ring(cx, cy, radius, max(radius * 0.34, THINNEST_RING))
    canvas.paint(Shifted(ring, radius * 0.06, radius * 0.08), SHADOW, 0.25)
    canvas.paint(ring, WHITE)
    moon_x = cx + radius * math.cos(MOON_ANGLE)
    moon_y = cy + radius * math.sin(MOON_ANGLE)
    canvas.paint(Disc(moon_x, moon_y, radius * 0.36), background)
    canvas.paint(Disc(moon_x, moon_y, radius * 0.27), ACCENT_ORANGE)
