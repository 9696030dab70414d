#!/usr/bin/env python3
"""Draws the calendar dialog's picture menus as 24-bit BMP strips.

Each strip holds its cells stacked from the top, all of one size: the six
grid styles (cal_styles.bmp) and the two page templates of each orientation
(cal_portrait.bmp, cal_landscape.bmp). The pictures are our own.
Run it in this folder to redraw them: python3 make_calendar_bitmaps.py
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../../scripts"))
from bmp_file import write_bmp  # noqa: E402

CELL = 48
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
PICTURE = (70, 130, 200)
TITLE = (200, 60, 60)


def strip(cells):
    return [[WHITE] * CELL for _ in range(CELL * cells)]


def rect(img, x0, y0, x1, y1, colour):
    for y in range(y0, y1):
        for x in range(x0, x1):
            img[y][x] = colour


def hline(img, x0, x1, y, colour=BLACK):
    rect(img, x0, y, x1, y + 1, colour)


def vline(img, x, y0, y1, colour=BLACK):
    rect(img, x, y0, x + 1, y1, colour)


def grid_style(img, top, style):
    # The grid's lines in one style, over a 6-row grid of the cell.
    left, right, t, b = 4, CELL - 4, top + 6, top + CELL - 6
    rows = 6
    ys = [t + k * (b - t) // rows for k in range(rows + 1)]
    xs = [left + j * (right - left) // 7 for j in range(8)]
    e = (right - left) // 56 + 1
    if style == 0:
        for y in (t, b - 1):
            hline(img, left, right, y)
        vline(img, left, t, b)
        vline(img, right - 1, t, b)
        for y in ys[1:-1]:
            hline(img, left, right, y)
        for x in xs[1:-1]:
            vline(img, x, ys[1], b)
    elif style == 1:
        for y in ys[:-1] + [b - 1]:
            hline(img, left, right, y)
    elif style in (2, 4):
        hline(img, left, right, t)
        hline(img, left, right, b - 1)
        for y in (ys[1:-1] if style == 2 else ys[1:2]):
            for j in range(7):
                hline(img, xs[j] + e, xs[j + 1] - e, y)
    elif style == 3:
        hline(img, left, right, t)
        hline(img, left, right, b - 1)
        vline(img, left, t, b)
        vline(img, right - 1, t, b)


def page(img, top, width, height, picture_first):
    # A page of the view's proportions: the month title, then picture and
    # grid in the template's order.
    x0 = (CELL - width) // 2
    y0 = top + (CELL - height) // 2
    rect(img, x0, y0, x0 + width, y0 + 1, BLACK)
    rect(img, x0, y0 + height - 1, x0 + width, y0 + height, BLACK)
    rect(img, x0, y0, x0 + 1, y0 + height, BLACK)
    rect(img, x0 + width - 1, y0, x0 + width, y0 + height, BLACK)
    eighth = height // 8
    rect(img, x0 + 2, y0 + 2, x0 + width // 2, y0 + eighth, TITLE)
    half = y0 + height // 2
    upper = (y0 + eighth + 1, half - 1)
    lower = (half + 1, y0 + height - 2)
    pic, cal = (upper, lower) if picture_first else (lower, upper)
    rect(img, x0 + 4, pic[0], x0 + width - 4, pic[1], PICTURE)
    for k in range(4):
        y = cal[0] + k * (cal[1] - cal[0]) // 3
        hline(img, x0 + 2, x0 + width - 2, min(y, cal[1] - 1))


styles = strip(6)
for s in range(6):
    grid_style(styles, s * CELL, s)
write_bmp("cal_styles.bmp", styles)

for name, (w, h) in (("portrait", (32, 44)), ("landscape", (44, 32))):
    img = strip(2)
    page(img, 0, w, h, True)
    page(img, CELL, w, h, False)
    write_bmp("cal_%s.bmp" % name, img)
