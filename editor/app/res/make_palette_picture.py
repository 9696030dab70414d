#!/usr/bin/env python3
"""Draws Palette.bmp, the sample picture the tool palette renders its
previews from: an 80 x 60 landscape (sky, sun, hills, a house) with edges
and colour ramps, so that every effect shows something on it."""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../../scripts"))
from bmp_file import write_bmp  # noqa: E402

W, H = 80, 60


def pixel(x, y):
    # Sky: light blue fading to white at the horizon.
    t = y / 34
    r, g, b = int(90 + 150 * t), int(150 + 95 * t), 250
    # The sun.
    if math.hypot(x - 62, y - 12) < 8:
        r, g, b = 255, 210, 40
    # Two hills.
    far = 34 - 8 * math.sin((x + 10) / 14)
    near = 44 - 6 * math.cos(x / 11)
    if y > far:
        r, g, b = 60, 140 - (y - 30), 60
    if y > near:
        r, g, b = 40 + (x % 8) * 6, 110 + (y - 40) * 2, 30
    # A house: a red wall with a window and a dark roof.
    if 14 <= x < 32 and 36 <= y < 50:
        r, g, b = 200, 50, 40
        if 19 <= x < 26 and 40 <= y < 46:
            r, g, b = 250, 240, 120
    if 32 <= y < 36 and 12 + (36 - y) <= x < 34 - (36 - y):
        r, g, b = 70, 40, 30
    return r, g, b


def main(path):
    write_bmp(path, [[tuple(min(c, 255) for c in pixel(x, y)) for x in range(W)] for y in range(H)])


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'Palette.bmp')
