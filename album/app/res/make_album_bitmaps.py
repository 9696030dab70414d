#!/usr/bin/env python3
"""Draws the album's toolbar strip: twelve buttons of 24 x 22 pixels side by
side (new, open, save; cut, copy, paste; undo; add new items, delete;
search; view only found; about), 24-bit BMP, RGB(192, 192, 192) the
transparent colour. The pictures are our own. Run it in this folder to
redraw them: python3 make_album_bitmaps.py
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../../scripts"))
from bmp_file import write_bmp  # noqa: E402

W, H = 24, 22
CLEAR = (192, 192, 192)
INK = (0, 0, 0)
PAPER = (255, 255, 255)
BLUE = (30, 70, 170)
RED = (200, 30, 30)
GREEN = (20, 140, 40)
GOLD = (230, 180, 0)
GREY = (110, 110, 110)


def canvas():
    return [[CLEAR] * W for _ in range(H)]


def put(img, x, y, c):
    x, y = int(x), int(y)
    if 0 <= x < W and 0 <= y < H:
        img[y][x] = c


def rect(img, x0, y0, x1, y1, fill, edge=INK):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            border = x in (x0, x1) or y in (y0, y1)
            put(img, x, y, edge if border and edge else fill)


def line(img, x0, y0, x1, y1, c, r=0.6):
    steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 3) + 1
    for i in range(steps + 1):
        t = i / steps
        cx, cy = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
        for y in range(int(cy - 2), int(cy + 3)):
            for x in range(int(cx - 2), int(cx + 3)):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r + 0.25:
                    put(img, x, y, c)


def circle(img, cx, cy, r, c, width=1.0):
    for y in range(H):
        for x in range(W):
            d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
            if abs(d - r) <= width / 2:
                put(img, x, y, c)


def disc(img, cx, cy, r, c):
    for y in range(H):
        for x in range(W):
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                put(img, x, y, c)


def sheet(img, x0, y0, x1, y1):
    rect(img, x0, y0, x1, y1, PAPER)
    for y in range(y0 + 3, y1 - 1, 3):
        line(img, x0 + 3, y, x1 - 3, y, GREY, 0.4)


def new():
    img = canvas()
    sheet(img, 6, 2, 17, 19)
    disc(img, 17, 4, 3, GOLD)
    return img


def open_():
    img = canvas()
    rect(img, 3, 6, 19, 18, GOLD)
    rect(img, 3, 4, 9, 6, GOLD)
    line(img, 14, 3, 20, 3, BLUE)
    line(img, 20, 3, 18, 1, BLUE)
    return img


def save():
    img = canvas()
    rect(img, 4, 3, 19, 18, BLUE)
    rect(img, 7, 3, 16, 8, PAPER)
    rect(img, 8, 12, 15, 18, GREY)
    return img


def cut():
    img = canvas()
    line(img, 8, 2, 14, 12, INK)
    line(img, 15, 2, 9, 12, INK)
    circle(img, 7.5, 15.5, 3, RED, 1.5)
    circle(img, 15.5, 15.5, 3, RED, 1.5)
    return img


def copy():
    img = canvas()
    sheet(img, 3, 2, 12, 13)
    sheet(img, 10, 7, 20, 19)
    return img


def paste():
    img = canvas()
    rect(img, 4, 4, 15, 19, GOLD)
    rect(img, 7, 2, 12, 5, GREY)
    sheet(img, 11, 8, 20, 19)
    return img


def undo():
    img = canvas()
    import math
    for k in range(0, 181, 3):
        a = math.radians(k)
        put(img, 12 + 6 * math.cos(a), 12 - 6 * math.sin(a), BLUE)
        put(img, 12 + 5 * math.cos(a), 12 - 5 * math.sin(a), BLUE)
    line(img, 4, 12, 9, 12, BLUE)
    line(img, 4, 12, 6, 16, BLUE)
    line(img, 6, 12, 6, 8, BLUE, 0.4)
    return img


def add():
    img = canvas()
    rect(img, 2, 5, 15, 16, PAPER)
    disc(img, 6, 9, 2, GOLD)
    line(img, 4, 15, 9, 11, GREEN)
    line(img, 9, 11, 13, 15, GREEN)
    line(img, 18, 8, 18, 18, GREEN, 1.0)
    line(img, 13, 13, 23, 13, GREEN, 1.0)
    return img


def delete():
    img = canvas()
    rect(img, 3, 5, 16, 16, PAPER)
    line(img, 12, 10, 21, 19, RED, 1.1)
    line(img, 21, 10, 12, 19, RED, 1.1)
    return img


def search():
    img = canvas()
    circle(img, 9.5, 9.5, 5.5, INK, 1.6)
    disc(img, 9.5, 9.5, 4.5, (200, 230, 255))
    line(img, 14, 14, 20, 20, INK, 1.2)
    return img


def found():
    img = canvas()
    for i, x in enumerate((2, 9, 16)):
        rect(img, x, 6, x + 5, 14, PAPER if i != 1 else GOLD)
    line(img, 5, 18, 19, 18, INK, 0.4)
    line(img, 12, 15, 12, 20, INK, 0.4)
    return img


def about():
    img = canvas()
    disc(img, 12, 11, 9, BLUE)
    disc(img, 12, 6, 1.5, PAPER)
    line(img, 12, 10, 12, 16, PAPER, 1.0)
    return img


def write_strip(path, buttons):
    # The buttons side by side, one picture.
    write_bmp(path, [sum((img[y] for img in buttons), []) for y in range(H)])


write_strip("toolbar.bmp", [new(), open_(), save(), cut(), copy(), paste(), undo(), add(), delete(), search(),
                          found(), about()])
