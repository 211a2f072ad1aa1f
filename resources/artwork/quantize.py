"""Reduces a picture to a palette of at most 256 colours (median cut with ordered dithering)."""
from collections import Counter

PALETTE_SIZE = 256
BAYER_4X4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]
DITHER_STRENGTH = 3.0


def _dithered(rows):
    """Rounds each channel to 0..255 after a small ordered offset that hides banding."""
    result = []
    for y, row in enumerate(rows):
        line = []
        for x, color in enumerate(row):
            offset = (BAYER_4X4[y % 4][x % 4] / 15.0 - 0.5) * DITHER_STRENGTH
            line.append(tuple(min(255, max(0, round(channel + offset))) for channel in color))
        result.append(line)
    return result


def _widest_channel(box):
    spans = [max(c[i] for c, _ in box) - min(c[i] for c, _ in box) for i in range(3)]
    widest = max(range(3), key=lambda i: spans[i])
    return widest, spans[widest]


def _split(box, channel):
    """Cuts a box of at least two colours in two halves of equal pixel count along one channel."""
    box.sort(key=lambda entry: entry[0][channel])
    half = sum(count for _, count in box) / 2
    running, cut = 0, 0
    while running < half and cut < len(box) - 1:
        running += box[cut][1]
        cut += 1
    return box[:cut], box[cut:]


def _average(box):
    total = sum(count for _, count in box)
    return tuple(round(sum(c[i] * count for c, count in box) / total) for i in range(3))


def quantize(rows):
    """Returns (palette of 256 (r, g, b) entries, rows of palette indices)."""
    pixels = _dithered(rows)
    boxes = [list(Counter(color for row in pixels for color in row).items())]
    while len(boxes) < PALETTE_SIZE:
        candidates = [(_widest_channel(box), index) for index, box in enumerate(boxes) if len(box) > 1]
        if not candidates:
            break
        (channel, _), index = max(candidates, key=lambda item: item[0][1])
        boxes[index:index + 1] = _split(boxes[index], channel)
    palette = [_average(box) for box in boxes]
    index_of = {color: index for index, box in enumerate(boxes) for color, _ in box}
    palette += [(0, 0, 0)] * (PALETTE_SIZE - len(palette))
    return palette, [[index_of[color] for color in row] for row in pixels]
