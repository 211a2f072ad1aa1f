"""A 5 by 7 pixel capital font, holding the letters that the artwork spells."""

GLYPH_WIDTH, LETTER_GAP = 5, 1

GLYPHS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "I": [".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "W": ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"],
    " ": [".....", ".....", ".....", ".....", ".....", ".....", "....."],
}


def text_width(text, scale):
    return (len(text) * (GLYPH_WIDTH + LETTER_GAP) - LETTER_GAP) * scale


def draw_text(canvas, text, left, top, scale, color, opacity=1.0):
    """Draws text with each font pixel as a square of scale by scale pixels."""
    for position, letter in enumerate(text):
        glyph_left = left + position * (GLYPH_WIDTH + LETTER_GAP) * scale
        for row, line in enumerate(GLYPHS[letter]):
            for column, cell in enumerate(line):
                if cell == "#":
                    canvas.fill_rectangle(glyph_left + column * scale, top + row * scale,
                                          scale, scale, color, opacity)


def draw_centred_text(canvas, text, centre_x, top, scale, color, opacity=1.0):
    draw_text(canvas, text, round(centre_x - text_width(text, scale) / 2), top, scale, color, opacity)
