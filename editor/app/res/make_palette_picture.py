#!/usr/bin/env python3
"""Draws Palette.bmp, the sample picture the tool palette renders its
previews from: an 80 x 60 landscape (sky, sun, hills, a house) with edges
and colour ramps, so that every effect shows something on it."""
import math
import struct
import sys

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
    row = ((W * 3 + 3) // 4) * 4
    pixels = bytearray()
    for y in range(H - 1, -1, -1):
        line = bytearray()
        for x in range(W):
            r, g, b = pixel(x, y)
            line += bytes((min(b, 255), min(g, 255), min(r, 255)))
        pixels += line + bytes(row - len(line))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(pixels), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, W, H, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + pixels)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'Palette.bmp')
