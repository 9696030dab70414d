#!/usr/bin/env python3
"""Draws the 32 x 32 button pictures of the tasks and tools as 24-bit BMP files.

The pictures are our own. Pixels of RGB(0, 128, 128) are the bar's
transparent colour, so the background is painted with it.
Run it in this folder to redraw them: python3 make_task_bitmaps.py
(make_tool_bitmaps.py draws the other tools with its helpers.)
"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../../scripts"))
from bmp_file import write_bmp  # noqa: E402

SIZE = 32
CLEAR = (0, 128, 128)


def canvas():
    return [[CLEAR] * SIZE for _ in range(SIZE)]


def put(img, x, y, colour):
    if 0 <= x < SIZE and 0 <= y < SIZE:
        img[y][x] = colour


def disc(img, cx, cy, r, colour):
    for y in range(SIZE):
        for x in range(SIZE):
            if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                put(img, x, y, colour)


def thick_line(img, x0, y0, x1, y1, r, colour):
    steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
    for i in range(steps + 1):
        t = i / steps
        disc(img, x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, r, colour)


def start():
    # A green "go" triangle.
    img = canvas()
    for y in range(4, 28):
        half = 12 - abs(y - 16)
        for x in range(8, 8 + 2 * half + 1):
            put(img, x, y, (40, 170, 60))
    return img


def easy():
    # A yellow five-pointed star.
    img = canvas()
    pts = []
    for k in range(10):
        a = -math.pi / 2 + k * math.pi / 5
        r = 14 if k % 2 == 0 else 6
        pts.append((16 + r * math.cos(a), 16 + r * math.sin(a)))
    for y in range(SIZE):
        for x in range(SIZE):
            inside = False
            for i in range(10):
                (xa, ya), (xb, yb) = pts[i], pts[(i + 1) % 10]
                if (ya > y + 0.5) != (yb > y + 0.5):
                    if x + 0.5 < xa + (y + 0.5 - ya) * (xb - xa) / (yb - ya):
                        inside = not inside
            if inside:
                put(img, x, y, (240, 200, 30))
    return img


def retouch():
    # A brush: brown handle, grey ferrule, blue tip.
    img = canvas()
    thick_line(img, 26, 5, 15, 16, 2, (120, 70, 30))
    thick_line(img, 15, 16, 12, 19, 3, (150, 150, 150))
    thick_line(img, 12, 19, 6, 26, 2.5, (40, 80, 220))
    return img


def artwork():
    # A palette with four paint spots.
    img = canvas()
    disc(img, 16, 16, 13, (210, 170, 110))
    disc(img, 20, 21, 3, CLEAR)
    for (x, y, c) in ((10, 11, (220, 30, 30)), (17, 8, (30, 160, 40)),
                      (23, 12, (30, 60, 220)), (9, 19, (240, 210, 20))):
        disc(img, x, y, 2.5, c)
    return img


def finish():
    # A chequered flag on a pole.
    img = canvas()
    for y in range(3, 30):
        put(img, 5, y, (60, 60, 60))
        put(img, 6, y, (60, 60, 60))
    for y in range(4, 18):
        for x in range(7, 28):
            black = ((x - 7) // 4 + (y - 4) // 4) % 2 == 0
            put(img, x, y, (0, 0, 0) if black else (255, 255, 255))
    return img


def monitor(img):
    # A screen on a stand: grey frame, foot below.
    for y in range(4, 24):
        for x in range(2, 30):
            put(img, x, y, (70, 70, 70))
    for y in range(24, 27):
        for x in range(13, 19):
            put(img, x, y, (70, 70, 70))
    for x in range(8, 24):
        put(img, x, 27, (70, 70, 70))
        put(img, x, 28, (70, 70, 70))


def wallpaper():
    # A screen covered with a tiled pattern.
    img = canvas()
    monitor(img)
    for y in range(6, 22):
        for x in range(4, 28):
            tile = ((x - 4) // 4 + (y - 6) // 4) % 2 == 0
            put(img, x, y, (90, 160, 230) if tile else (250, 220, 120))
    return img


def screensave():
    # A dark screen with a swirl of stars.
    img = canvas()
    monitor(img)
    for y in range(6, 22):
        for x in range(4, 28):
            put(img, x, y, (10, 20, 60))
    for k in range(28):
        a = k * 0.45
        r = 1 + k * 0.25
        put(img, int(16 + r * math.cos(a)), int(14 + r * math.sin(a) * 0.9), (255, 255, 200))
    return img


if __name__ == "__main__":
    for name, draw in (("start", start), ("easy", easy), ("retouch", retouch),
                       ("artwork", artwork), ("finish", finish)):
        write_bmp("task_%s.bmp" % name, draw())
    for name, draw in (("wallpaper", wallpaper), ("screensave", screensave)):
        write_bmp("tool_%s.bmp" % name, draw())
