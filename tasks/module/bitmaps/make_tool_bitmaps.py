#!/usr/bin/env python3
"""Draws the 32 x 32 button pictures of the module's other tools.

Our own pictures, drawn with the helpers of make_task_bitmaps.py; RGB(0,
128, 128) is the bar's transparent colour. Most effects show one small
landscape (sky, sun, hill) as the effect would change it; commands show
the thing they stand for.
Run it in this folder to redraw them: python3 make_tool_bitmaps.py
"""
import math
import random

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../../scripts"))
from bmp_file import write_bmp  # noqa: E402
from make_task_bitmaps import CLEAR, SIZE, canvas, disc, put, thick_line

GREY = (70, 70, 70)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
RED = (220, 30, 30)
BLUE = (40, 80, 220)
YELLOW = (240, 210, 20)
BROWN = (120, 70, 30)
PAPER = (245, 240, 225)

# The landscape: a 24 x 20 picture inside the button.
LEFT, TOP, RIGHT, BOTTOM = 4, 6, 28, 26


def scene(x, y):
    """Colour of the landscape at picture coordinates (0..24, 0..20)."""
    if (x - 17) ** 2 + (y - 5) ** 2 <= 12:
        return (250, 220, 40)
    if y > 13 + 3 * math.sin(x / 4.0):
        return (40, 150, 50)
    return (110 + 4 * int(y), 170 + 3 * int(y), 240)


def landscape(img=None, mapping=None, colour=None):
    """The landscape in its box; mapping takes a box point to the picture
    point it shows (None: the background), colour changes the colour."""
    img = img or canvas()
    for y in range(TOP, BOTTOM):
        for x in range(LEFT, RIGHT):
            u, v = x - LEFT + 0.5, y - TOP + 0.5
            if mapping:
                p = mapping(u, v)
                if p is None:
                    continue
                u, v = p
                if not (0 <= u < RIGHT - LEFT and 0 <= v < BOTTOM - TOP):
                    continue
            c = scene(u, v)
            put(img, x, y, colour(c, u, v) if colour else c)
    return img


def rect(img, x0, y0, x1, y1, colour):
    for y in range(y0, y1):
        for x in range(x0, x1):
            put(img, x, y, colour)


def outline(img, x0, y0, x1, y1, colour):
    for x in range(x0, x1):
        put(img, x, y0, colour)
        put(img, x, y1 - 1, colour)
    for y in range(y0, y1):
        put(img, x0, y, colour)
        put(img, x1 - 1, y, colour)


def polygon(img, pts, colour):
    for y in range(SIZE):
        for x in range(SIZE):
            inside = False
            for i in range(len(pts)):
                (xa, ya), (xb, yb) = pts[i], pts[(i + 1) % len(pts)]
                if (ya > y + 0.5) != (yb > y + 0.5):
                    if x + 0.5 < xa + (y + 0.5 - ya) * (xb - xa) / (yb - ya):
                        inside = not inside
            if inside:
                put(img, x, y, colour)


def grey(c):
    g = (c[0] * 30 + c[1] * 59 + c[2] * 11) // 100
    return (g, g, g)


def centred(f):
    """A mapping given in coordinates around the box centre, radius scaled."""
    cx, cy = (RIGHT - LEFT) / 2.0, (BOTTOM - TOP) / 2.0

    def mapping(u, v):
        dx, dy = u - cx, v - cy
        r = math.hypot(dx, dy) / 12.0
        dx, dy = f(dx, dy, r)
        return cx + dx, cy + dy
    return mapping


def blocks(n, grout=None):
    def mapping(u, v):
        if grout and (int(u) % n == 0 or int(v) % n == 0):
            return None
        return (int(u) // n) * n + n / 2.0, (int(v) // n) * n + n / 2.0
    return mapping


# Effects on the picture ------------------------------------------------------

def handdr():
    img = landscape(colour=lambda c, u, v: PAPER)
    for y in range(TOP, BOTTOM):
        for x in range(LEFT, RIGHT - 1):
            a, b = scene(x - LEFT, y - TOP), scene(x - LEFT + 1, y - TOP + 1)
            if sum(abs(a[i] - b[i]) for i in range(3)) > 90:
                put(img, x, y, GREY)
    return img


def scatter():
    rnd = random.Random(7)
    return landscape(mapping=lambda u, v: (u + rnd.uniform(-2, 2), v + rnd.uniform(-2, 2)))


def facet():
    img = landscape(mapping=blocks(5))
    for k in range(LEFT, RIGHT, 5):
        for y in range(TOP, BOTTOM):
            put(img, k, y, (200, 230, 255))
    return img


def mosaic():
    img = canvas()
    rect(img, LEFT, TOP, RIGHT, BOTTOM, (90, 90, 90))
    return landscape(img, mapping=blocks(4, grout=True))


def emboss():
    def relief(c, u, v):
        d = sum(scene(u, v)) - sum(scene(u + 1.5, v + 1.5))
        g = max(0, min(255, 128 + d // 3))
        return (g, g, g)
    return landscape(colour=relief)


def grpen():
    def pen(c, u, v):
        dark = sum(c) < 500
        return BLACK if dark and (int(u + v) % 3 == 0) else WHITE
    return landscape(colour=pen)


def mosaic3d():
    def shade(c, u, v):
        iu, iv = int(u) % 5, int(v) % 5
        f = 1.3 if iu == 0 or iv == 0 else (0.6 if iu == 4 or iv == 4 else 1.0)
        return tuple(min(255, int(k * f)) for k in c)
    return landscape(mapping=blocks(5), colour=shade)


def autobr():
    img = landscape(mapping=blocks(3))
    for k in range(5):
        thick_line(img, LEFT + 2 + 5 * k, TOP + 16, LEFT + 5 + 5 * k, TOP + 10, 0.8, (30, 110, 40))
    return img


def engrave():
    def lines(c, u, v):
        level = sum(c) / 765.0
        return BLACK if (int(v) % 3) < (1 if level > 0.6 else 2) else (230, 220, 200)
    return landscape(colour=lines)


def notepaper():
    def paper(c, u, v):
        d = sum(scene(u, v)) - sum(scene(u + 1, v + 1))
        return (250, 245, 220) if abs(d) < 40 else (190, 180, 150)
    img = landscape(colour=paper)
    for y in range(TOP + 2, BOTTOM, 4):
        for x in range(LEFT, RIGHT):
            if img[y][x] == (250, 245, 220):
                put(img, x, y, (170, 200, 240))
    return img


def oilpaint():
    def smear(u, v):
        return (int(u) // 3) * 3 + 1.5, v + math.sin(u) * 1.5
    return landscape(mapping=smear, colour=lambda c, u, v: tuple(min(255, k + 20) for k in c))


def patches():
    rnd = random.Random(3)
    shifts = {(i, j): (rnd.uniform(-3, 3), rnd.uniform(-3, 3)) for i in range(6) for j in range(5)}
    img = landscape(mapping=lambda u, v: (u + shifts[(int(u) // 6, int(v) // 6)][0],
                                          v + shifts[(int(u) // 6, int(v) // 6)][1]))
    return img


def relief():
    def lit(c, u, v):
        d = sum(scene(u, v)) - sum(scene(u + 1.5, v + 1.5))
        return tuple(max(0, min(255, k + d // 2)) for k in c)
    return landscape(colour=lit)


def strokes():
    return landscape(mapping=lambda u, v: (u - (int(u + v) % 4), v - (int(u + v) % 4) * 0.5))


def rubber():
    return landscape(mapping=centred(lambda dx, dy, r: (dx * (0.6 + 0.4 * r), dy * (1.2 - 0.2 * r))))


def pagecurl():
    img = landscape(mapping=lambda u, v: None if u + v > 34 else (u, v))
    polygon(img, [(RIGHT, TOP + 10), (LEFT + 14, BOTTOM), (RIGHT - 4, BOTTOM - 4)], (225, 225, 225))
    thick_line(img, RIGHT - 1, TOP + 11, LEFT + 15, BOTTOM - 1, 0.5, GREY)
    return img


def pinch():
    return landscape(mapping=centred(lambda dx, dy, r: (dx * (0.4 + 0.6 * r), dy * (0.4 + 0.6 * r))))


def punch():
    return landscape(mapping=centred(lambda dx, dy, r: (dx * (1.6 - 0.6 * r), dy * (1.6 - 0.6 * r))))


def perspective():
    def mapping(u, v):
        w = 6 + 18 * v / 20.0
        left = (24 - w) / 2
        if not (left <= u < left + w):
            return None
        return (u - left) * 24 / w, v
    return landscape(mapping=mapping)


def warp():
    return landscape(mapping=lambda u, v: (u + 3 * math.sin(v / 3.0), v + 2 * math.sin(u / 4.0)))


def whirl():
    def turn(dx, dy, r):
        a = 2.0 * max(0.0, 1 - r)
        return (dx * math.cos(a) - dy * math.sin(a), dx * math.sin(a) + dy * math.cos(a))
    return landscape(mapping=centred(turn))


def wave():
    return landscape(mapping=lambda u, v: (u, v + 2.5 * math.sin(u / 2.0)))


def deform():
    img = landscape(mapping=lambda u, v: (u + 2 * math.sin(v / 2.5), v))
    disc(img, 24, 24, 5, (230, 120, 30))
    disc(img, 24, 24, 3, (250, 220, 40))
    return img


def effects():
    img = landscape(mapping=blocks(3))
    thick_line(img, 27, 3, 18, 14, 1.5, BROWN)
    thick_line(img, 18, 14, 15, 18, 2.2, (40, 80, 220))
    return img


def canvas_texture():
    return landscape(colour=lambda c, u, v: tuple(int(k * (0.8 if (int(u) + int(v) // 2) % 2 else 1.0)) for k in c))


def cracks():
    img = landscape()
    for (x0, y0, x1, y1) in ((6, 8, 14, 15), (14, 15, 12, 24), (14, 15, 24, 18), (24, 18, 27, 10)):
        thick_line(img, x0, y0, x1, y1, 0.4, (40, 30, 20))
    return img


def padding():
    def cushion(c, u, v):
        fu, fv = (u % 6) / 6.0, (v % 5) / 5.0
        f = 0.7 + 0.6 * math.sin(math.pi * fu) * math.sin(math.pi * fv)
        return tuple(min(255, int(k * f)) for k in c)
    return landscape(colour=cushion)


def textures():
    img = canvas()
    rect(img, LEFT, TOP, RIGHT, BOTTOM, (200, 170, 120))
    for y in range(TOP, BOTTOM):
        for x in range(LEFT, RIGHT):
            if (x // 2 + y // 2) % 2 == 0 and (x + y) % 2 == 0:
                put(img, x, y, (150, 110, 70))
    return img


# Picture commands -------------------------------------------------------------

def stitch():
    img = landscape(mapping=lambda u, v: None if u > 11 else (u * 2, v))
    landscape(img, mapping=lambda u, v: None if u < 13 else ((u - 13) * 2, v),
              colour=lambda c, u, v: (c[2], c[0], c[1]))
    for y in range(TOP, BOTTOM, 2):
        put(img, LEFT + 12, y, BLACK)
    return img


def freeresize():
    img = landscape(mapping=lambda u, v: (u * 1.4, v * 1.4) if u < 17 and v < 14 else None)
    for (x, y) in ((LEFT, TOP), (LEFT + 17, TOP), (LEFT, TOP + 14), (LEFT + 17, TOP + 14)):
        rect(img, x - 1, y - 1, x + 2, y + 2, BLACK)
    thick_line(img, LEFT + 19, TOP + 16, RIGHT, BOTTOM, 0.6, RED)
    return img


def cleanbk():
    img = landscape(mapping=lambda u, v: (u, v) if (u - 12) ** 2 + (v - 12) ** 2 < 50 else None)
    for y in range(TOP, BOTTOM):
        for x in range(LEFT, RIGHT):
            if img[y][x] == CLEAR:
                put(img, x, y, WHITE)
    return img


def winwallpap():
    img = canvas()
    rect(img, 2, 4, 30, 24, GREY)
    rect(img, 13, 24, 19, 27, GREY)
    rect(img, 8, 27, 24, 29, GREY)
    rect(img, 4, 6, 28, 22, (0, 90, 160))
    for (x, y, c) in ((11, 9, RED), (17, 9, (40, 170, 60)), (11, 15, BLUE), (17, 15, YELLOW)):
        rect(img, x, y, x + 5, y + 5, c)
    return img


def crop():
    img = landscape(mapping=lambda u, v: (u, v) if 5 <= u < 19 and 4 <= v < 16 else None,
                    colour=lambda c, u, v: c)
    for y in range(TOP, BOTTOM):
        for x in range(LEFT, RIGHT):
            if img[y][x] == CLEAR:
                put(img, x, y, grey(scene(x - LEFT, y - TOP)))
    outline(img, LEFT + 5, TOP + 4, LEFT + 19, TOP + 16, BLACK)
    return img


def arrow_head(img, x, y, dx, dy, colour):
    n = math.hypot(dx, dy)
    dx, dy = dx / n, dy / n
    polygon(img, [(x + 5 * dx, y + 5 * dy), (x - 4 * dy, y + 4 * dx), (x + 4 * dy, y - 4 * dx)], colour)


def rotate():
    img = canvas()
    for k in range(40):
        a = math.pi * 0.3 + k * math.pi * 1.5 / 40
        disc(img, 16 + 10 * math.cos(a), 16 + 10 * math.sin(a), 1.6, (40, 80, 220))
    arrow_head(img, 16 + 10 * math.cos(math.pi * 1.8), 16 + 10 * math.sin(math.pi * 1.8), 1, 1.6, (40, 80, 220))
    return img


def bright():
    img = canvas()
    disc(img, 16, 16, 7, YELLOW)
    for k in range(8):
        a = k * math.pi / 4
        thick_line(img, 16 + 10 * math.cos(a), 16 + 10 * math.sin(a), 16 + 14 * math.cos(a),
                   16 + 14 * math.sin(a), 1, (240, 170, 20))
    for y in range(8, 24):
        for x in range(16, 24):
            if img[y][x] == YELLOW:
                put(img, x, y, (120, 100, 20))
    return img


def color():
    img = canvas()
    for (x, y, c) in ((12, 12, (255, 0, 0)), (20, 12, (0, 200, 0)), (16, 19, (0, 0, 255))):
        for py in range(SIZE):
            for px in range(SIZE):
                if (px - x) ** 2 + (py - y) ** 2 <= 49:
                    old = img[py][px]
                    base = (0, 0, 0) if old == CLEAR else old
                    put(img, px, py, tuple(min(255, base[i] + c[i]) for i in range(3)))
    return img


def focus():
    img = landscape()
    disc(img, 13, 13, 8, GREY)
    landscape(img, mapping=lambda u, v: (9 + (u - 9) * 0.5, 7 + (v - 7) * 0.5)
              if (u - 9) ** 2 + (v - 7) ** 2 < 42 else None)
    thick_line(img, 19, 19, 27, 27, 2, BROWN)
    return img


def eye(img, pupil):
    for y in range(SIZE):
        for x in range(SIZE):
            if (x - 16) ** 2 / 169.0 + (y - 16) ** 2 / 49.0 <= 1:
                put(img, x, y, WHITE)
    disc(img, 16, 16, 6, (60, 120, 60))
    disc(img, 16, 16, 3, pupil)


def removere():
    img = canvas()
    eye(img, RED)
    thick_line(img, 6, 26, 26, 6, 1, BLACK)
    return img


def resize():
    img = canvas()
    rect(img, 4, 12, 20, 28, (110, 170, 240))
    outline(img, 4, 4, 28, 28, GREY)
    thick_line(img, 10, 22, 24, 8, 1, RED)
    arrow_head(img, 24, 8, 1, -1, RED)
    return img


# File commands -----------------------------------------------------------------

def open_folder():
    img = canvas()
    polygon(img, [(3, 8), (12, 8), (14, 11), (27, 11), (27, 26), (3, 26)], (200, 160, 40))
    polygon(img, [(7, 15), (30, 15), (26, 26), (3, 26)], (250, 210, 80))
    return img


def openfa():
    img = canvas()
    rect(img, 5, 5, 27, 28, (140, 30, 40))
    rect(img, 8, 5, 27, 26, PAPER)
    landscape(img, mapping=lambda u, v: (u, v) if 6 <= u < 20 and 3 <= v < 14 else None)
    rect(img, 5, 5, 8, 28, (90, 20, 30))
    return img


def paste():
    img = canvas()
    rect(img, 6, 6, 26, 29, BROWN)
    rect(img, 9, 9, 23, 27, WHITE)
    rect(img, 12, 3, 20, 8, GREY)
    landscape(img, mapping=lambda u, v: (u, v) if 6 <= u < 18 and 5 <= v < 19 else None)
    return img


def scan():
    img = canvas()
    polygon(img, [(3, 16), (29, 16), (29, 26), (3, 26)], (180, 180, 190))
    polygon(img, [(3, 16), (29, 16), (25, 6), (7, 6)], (120, 120, 140))
    rect(img, 6, 20, 26, 22, (120, 255, 120))
    return img


def new_page():
    img = canvas()
    polygon(img, [(7, 3), (20, 3), (26, 9), (26, 29), (7, 29)], WHITE)
    polygon(img, [(20, 3), (26, 9), (20, 9)], (190, 190, 190))
    outline(img, 7, 3, 27, 30, GREY)
    return img


def save():
    img = canvas()
    rect(img, 4, 4, 28, 28, (40, 60, 140))
    rect(img, 9, 4, 23, 13, (200, 200, 210))
    rect(img, 18, 6, 21, 11, (40, 60, 140))
    rect(img, 8, 17, 24, 28, WHITE)
    return img


def printer():
    img = canvas()
    rect(img, 9, 3, 23, 12, WHITE)
    rect(img, 3, 11, 29, 23, (150, 150, 160))
    rect(img, 9, 20, 23, 29, WHITE)
    for y in (23, 25, 27):
        rect(img, 11, y, 21, y + 1, GREY)
    put(img, 25, 14, (40, 200, 40))
    return img


def send():
    img = canvas()
    rect(img, 3, 8, 29, 25, WHITE)
    outline(img, 3, 8, 29, 25, GREY)
    thick_line(img, 3, 8, 16, 18, 0.5, GREY)
    thick_line(img, 29, 8, 16, 18, 0.5, GREY)
    return img


def edge():
    img = landscape()
    rnd = random.Random(5)
    for x in range(LEFT, RIGHT):
        for y in range(TOP, TOP + rnd.randint(1, 3)):
            put(img, x, y, WHITE)
        for y in range(BOTTOM - rnd.randint(1, 3), BOTTOM):
            put(img, x, y, WHITE)
    for y in range(TOP, BOTTOM):
        for x in range(LEFT, LEFT + rnd.randint(1, 3)):
            put(img, x, y, WHITE)
        for x in range(RIGHT - rnd.randint(1, 3), RIGHT):
            put(img, x, y, WHITE)
    return img


def smarttune():
    img = canvas()
    thick_line(img, 5, 27, 19, 13, 1.5, BLACK)
    thick_line(img, 19, 13, 22, 10, 1.5, WHITE)
    for (x, y) in ((24, 5), (27, 12), (16, 5)):
        for d in range(-2, 3):
            put(img, x + d, y, YELLOW)
            put(img, x, y + d, YELLOW)
    return img


# Tools with panels and wizards --------------------------------------------------

def select():
    img = landscape()
    for x in range(LEFT + 3, RIGHT - 3):
        c = BLACK if (x // 2) % 2 else WHITE
        put(img, x, TOP + 3, c)
        put(img, x, BOTTOM - 4, c)
    for y in range(TOP + 3, BOTTOM - 3):
        c = BLACK if (y // 2) % 2 else WHITE
        put(img, LEFT + 3, y, c)
        put(img, RIGHT - 4, y, c)
    return img


def paint():
    img = canvas()
    for k in range(30):
        disc(img, 4 + k * 0.8, 24 - 6 * math.sin(k / 5.0), 1.8, (220, 40, 120))
    thick_line(img, 28, 3, 20, 12, 1.5, BROWN)
    thick_line(img, 20, 12, 17, 16, 2, (40, 80, 220))
    return img


def text():
    img = canvas()
    polygon(img, [(6, 28), (14, 4), (18, 4), (26, 28), (21, 28), (16, 11), (11, 28)], BLACK)
    rect(img, 11, 18, 21, 21, BLACK)
    return img


def clone():
    img = canvas()
    rect(img, 6, 22, 26, 28, (150, 90, 50))
    rect(img, 12, 12, 20, 22, (150, 90, 50))
    disc(img, 16, 9, 5, (180, 110, 60))
    rect(img, 8, 28, 24, 30, RED)
    return img


def fill():
    img = canvas()
    polygon(img, [(8, 12), (20, 6), (26, 18), (14, 24)], (170, 170, 180))
    outline(img, 8, 6, 9, 7, GREY)
    for y in range(16, 29):
        disc(img, 24, y, 1.5 if y < 26 else 2.5, BLUE)
    return img


def calendar():
    img = canvas()
    rect(img, 4, 6, 28, 29, WHITE)
    rect(img, 4, 6, 28, 11, RED)
    for y in range(13, 28, 4):
        for x in range(6, 27, 4):
            rect(img, x, y, x + 2, y + 2, GREY)
    return img


def copier():
    img = scan()
    rect(img, 8, 26, 24, 30, WHITE)
    return img


def fax():
    img = canvas()
    rect(img, 3, 14, 29, 28, (150, 150, 160))
    rect(img, 9, 4, 23, 15, WHITE)
    for y in (7, 10):
        rect(img, 11, y, 21, y + 1, GREY)
    rect(img, 5, 17, 11, 25, BLACK)
    for y in range(18, 26, 3):
        for x in range(15, 27, 4):
            rect(img, x, y, x + 2, y + 2, WHITE)
    return img


def funhouse():
    img = canvas()
    for y in range(SIZE):
        for x in range(SIZE):
            w = 9 + 3 * math.sin(y / 4.0)
            if (x - 16) ** 2 / (w * w) + (y - 16) ** 2 / 196.0 <= 1:
                put(img, x, y, YELLOW)
    disc(img, 12, 12, 2, BLACK)
    disc(img, 20, 12, 2, BLACK)
    for k in range(12):
        put(img, 10 + k, 20 + int(2 * math.sin(k / 3.0)), BLACK)
    return img


def frame():
    img = canvas()
    rect(img, 2, 3, 30, 29, (180, 130, 40))
    for k in range(2, 30, 3):
        put(img, k, 4, (250, 220, 120))
        put(img, k, 27, (250, 220, 120))
    landscape(img, mapping=lambda u, v: (u, v) if 2 <= u < 22 and 1 <= v < 19 else None)
    return img


TOOLS = (
    ("handdr", handdr), ("scatter", scatter), ("facet", facet), ("mosaic", mosaic), ("emboss", emboss),
    ("grpen", grpen), ("paint", paint), ("effects", effects), ("text", text), ("3dmosaic", mosaic3d),
    ("autobr", autobr), ("engrave", engrave), ("notepaper", notepaper), ("oilpaint", oilpaint),
    ("patches", patches), ("relief", relief), ("strokes", strokes), ("rubber", rubber),
    ("pagecurl", pagecurl), ("pinch", pinch), ("punch", punch), ("perspective", perspective),
    ("warp", warp), ("whirl", whirl), ("wave", wave), ("deform", deform), ("select", select),
    ("stitch", stitch), ("crop", crop), ("rotate", rotate), ("freeresize", freeresize),
    ("bright", bright), ("color", color), ("focus", focus), ("cleanbk", cleanbk),
    ("removere", removere), ("resize", resize), ("winwallpap", winwallpap), ("open", open_folder),
    ("openfa", openfa), ("paste", paste), ("scan", scan), ("new", new_page), ("save", save),
    ("print", printer), ("send", send), ("canvas", canvas_texture), ("cracks", cracks),
    ("padding", padding), ("textures", textures), ("edge", edge), ("smarttune", smarttune),
    ("clone", clone), ("fill", fill), ("calendar", calendar), ("copier", copier), ("fax", fax),
    ("funhouse", funhouse), ("frame", frame),
)

if __name__ == "__main__":
    for name, draw in TOOLS:
        write_bmp("tool_%s.bmp" % name, draw())
