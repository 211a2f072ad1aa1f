"""The application icon: the logo mark on a rounded tile, drawn for 32 and 16 pixels."""
from .brand import draw_logo
from .canvas import Canvas, mix
from .shapes import RoundedBox, coverage

SIZES = [32, 16]
TILE_TOP, TILE_BOTTOM = (16, 34, 84), (26, 126, 150)


def render(size):
    """The icon of one size as rows of (r, g, b, a) integers, top row first."""
    def gradient(_, y):
        return mix(TILE_TOP, TILE_BOTTOM, y / (size - 1))

    canvas = Canvas(size, size, gradient)
    centre = size / 2
    draw_logo(canvas, centre, centre, round(size * 0.31), mix(TILE_TOP, TILE_BOTTOM, 0.3))
    tile = RoundedBox(centre, centre, size / 2 - 0.5, size / 2 - 0.5, size * 0.2)
    rows = []
    for y, row in enumerate(canvas.rows()):
        line = []
        for x, color in enumerate(row):
            alpha = coverage(tile.distance(x + 0.5, y + 0.5))
            line.append(tuple(round(channel) for channel in color) + (round(alpha * 255),))
        rows.append(line)
    return rows
