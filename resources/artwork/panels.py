"""The four side panels of the wizard: 150 by 300 pixels, one variant per step."""
import math
from dataclasses import dataclass
from typing import Callable

from . import panel_motifs
from .brand import ACCENT_ORANGE, SHADOW, WHITE, draw_logo
from .canvas import Canvas, mix
from .pixel_font import draw_centred_text
from .shapes import Shifted, Stroke

WIDTH, HEIGHT = 150, 300
CENTRE_X = WIDTH / 2


@dataclass
class Panel:
    file_name: str
    top: tuple
    bottom: tuple
    motif: Callable


PANELS = [
    Panel("panel-welcome.bmp", (16, 34, 84), (26, 126, 150), panel_motifs.download_arrow),
    Panel("panel-products.bmp", (18, 30, 88), (58, 88, 172), panel_motifs.stacked_packages),
    Panel("panel-registration.bmp", (28, 24, 78), (112, 70, 152), panel_motifs.envelope),
    Panel("panel-finish.bmp", (12, 50, 66), (36, 146, 108), panel_motifs.check_mark),
]


def _background(panel):
    """Vertical gradient with soft diagonal light bands and faint rings from the upper right."""
    def color(x, y):
        base = mix(panel.top, panel.bottom, (y / (HEIGHT - 1)) ** 1.2)
        band = (0.5 + 0.5 * math.cos(2 * math.pi * (0.55 * x + 0.83 * y) / 46)) ** 8
        ring_distance = math.hypot(x - WIDTH * 1.05, y + HEIGHT * 0.05)
        ring = (0.5 + 0.5 * math.cos(2 * math.pi * ring_distance / 34)) ** 16
        fade = 1 - y / HEIGHT
        return mix(base, WHITE, 0.07 * band + 0.06 * ring * fade)
    return color


def render(panel):
    """The panel as rows of (r, g, b) floats, top row first."""
    canvas = Canvas(WIDTH, HEIGHT, _background(panel))
    draw_logo(canvas, CENTRE_X, 46, 20, mix(panel.top, panel.bottom, 0.1))
    draw_centred_text(canvas, "ORVANE", CENTRE_X + 1, 84, 3, SHADOW, 0.3)
    draw_centred_text(canvas, "ORVANE", CENTRE_X, 83, 3, WHITE)
    draw_centred_text(canvas, "DOWNLOAD ASSISTANT", CENTRE_X, 110, 1, WHITE, 0.75)
    canvas.paint(Stroke(CENTRE_X - 30, 127.5, CENTRE_X + 30, 127.5, 1), WHITE, 0.35)
    canvas.paint(Stroke(CENTRE_X - 7, 127.5, CENTRE_X + 7, 127.5, 2.5), ACCENT_ORANGE)
    motif = panel.motif(CENTRE_X, 208)
    canvas.paint(Shifted(motif, 1.5, 2), SHADOW, 0.22)
    canvas.paint(motif, WHITE, 0.92)
    return canvas.rows()
