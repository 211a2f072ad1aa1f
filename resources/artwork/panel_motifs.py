"""The large line drawing in the middle of each side panel, one per wizard step."""
from .shapes import Outline, Ring, RoundedBox, Stroke, Union, polyline

LINE_WIDTH = 4.5


def download_arrow(cx, cy):
    """An arrow coming down into a tray: the welcome panel."""
    return Union([
        Stroke(cx, cy - 36, cx, cy + 8, LINE_WIDTH),
        polyline([(cx - 17, cy - 9), (cx, cy + 8), (cx + 17, cy - 9)], LINE_WIDTH),
        polyline([(cx - 32, cy + 6), (cx - 32, cy + 24), (cx + 32, cy + 24), (cx + 32, cy + 6)], LINE_WIDTH),
    ])


def _package(cx, cy):
    box = Outline(RoundedBox(cx, cy, 18, 14, 3), LINE_WIDTH)
    tape = Stroke(cx, cy - 14, cx, cy - 4, LINE_WIDTH)
    return Union([box, tape])


def stacked_packages(cx, cy):
    """Three product boxes, two below and one on top: the product choice panel."""
    return Union([_package(cx - 22, cy + 16), _package(cx + 22, cy + 16), _package(cx, cy - 16)])


def envelope(cx, cy):
    """A letter: the registration panel."""
    return Union([
        Outline(RoundedBox(cx, cy, 36, 25, 4), LINE_WIDTH),
        polyline([(cx - 34, cy - 22), (cx, cy + 4), (cx + 34, cy - 22)], LINE_WIDTH),
    ])


def check_mark(cx, cy):
    """A tick in a circle: the finish panel."""
    return Union([
        Ring(cx, cy, 32, LINE_WIDTH),
        polyline([(cx - 16, cy + 1), (cx - 5, cy + 12), (cx + 17, cy - 12)], LINE_WIDTH + 1),
    ])
