#!/usr/bin/env python3
"""Draws the editor's own pictures and sounds: the dialog bars' fixed
buttons (20 x 20, 24-bit BMP; RGB(0, 128, 128) is the bars' transparent
colour), the bars' background texture (pure blue, red and green stand for
the desktop's button face, highlight and shadow colours), the splash
picture, the painter's brush shapes, the cells the brush panels offer
(sizes, smoothness, brush types) and the two short click sounds of the bar
buttons.

The pictures and sounds are our own. Run it in this folder to redraw them:
python3 make_program_bitmaps.py
"""
import math
import os
import struct
import sys
import wave

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../../../scripts"))
from bmp_file import write_bmp  # noqa: E402

CLEAR = (0, 128, 128)


def canvas(w, h, colour=CLEAR):
    return [[colour] * w for _ in range(h)]


def put(img, x, y, colour):
    if 0 <= y < len(img) and 0 <= x < len(img[0]):
        img[int(y)][int(x)] = colour


def disc(img, cx, cy, r, colour):
    for y in range(int(cy - r - 1), int(cy + r + 2)):
        for x in range(int(cx - r - 1), int(cx + r + 2)):
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                put(img, x, y, colour)


def line(img, x0, y0, x1, y1, r, colour):
    steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 3) + 1
    for i in range(steps + 1):
        t = i / steps
        disc(img, x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, r, colour)


def polygon(img, pts, colour):
    h, w = len(img), len(img[0])
    for y in range(h):
        for x in range(w):
            inside = False
            for i in range(len(pts)):
                (xa, ya), (xb, yb) = pts[i], pts[(i + 1) % len(pts)]
                if (ya > y + 0.5) != (yb > y + 0.5):
                    if x + 0.5 < xa + (y + 0.5 - ya) * (xb - xa) / (yb - ya):
                        inside = not inside
            if inside:
                put(img, x, y, colour)


def arc_arrow(mirror):
    # A half-turn arrow: undo turns left, redo right.
    img = canvas(20, 20)
    blue = (30, 70, 170)
    for k in range(0, 181, 4):
        a = math.radians(k)
        x, y = 10 + 6 * math.cos(a), 12 - 6 * math.sin(a)
        disc(img, 20 - x if mirror else x, y, 1.6, blue)
    head = [(1, 11), (9, 11), (5, 17)]
    if mirror:
        head = [(20 - x, y) for x, y in head]
    polygon(img, head, blue)
    return img


def triangle(pointing_right):
    img = canvas(20, 20)
    pts = [(5, 3), (16, 10), (5, 17)] if pointing_right else [(15, 3), (4, 10), (15, 17)]
    polygon(img, pts, (40, 130, 60))
    return img


def cross():
    img = canvas(20, 20)
    line(img, 4, 4, 15, 15, 1.8, (200, 40, 30))
    line(img, 15, 4, 4, 15, 1.8, (200, 40, 30))
    return img


def check():
    img = canvas(20, 20)
    line(img, 3, 10, 8, 15, 1.8, (30, 150, 50))
    line(img, 8, 15, 17, 4, 1.8, (30, 150, 50))
    return img


def home():
    img = canvas(20, 20)
    polygon(img, [(10, 2), (19, 10), (1, 10)], (170, 50, 40))
    for y in range(10, 18):
        for x in range(4, 16):
            put(img, x, y, (230, 210, 160))
    for y in range(12, 18):
        for x in range(8, 12):
            put(img, x, y, (110, 70, 30))
    return img


def question():
    img = canvas(20, 20)
    blue = (30, 70, 170)
    for k in range(-40, 200, 4):
        a = math.radians(k)
        disc(img, 10 + 4.5 * math.cos(a), 7 - 4 * math.sin(a), 1.5, blue)
    line(img, 13, 9, 10, 12, 1.5, blue)
    line(img, 10, 12, 10, 13, 1.5, blue)
    disc(img, 10, 17, 1.7, blue)
    return img


def texture():
    # Soft bevelled tiles in the three stand-in colours.
    face, light, shade = (0, 0, 255), (255, 0, 0), (0, 255, 0)
    img = canvas(32, 32, face)
    for i in range(32):
        put(img, i, 0, light)
        put(img, 0, i, light)
        put(img, i, 31, shade)
        put(img, 31, i, shade)
    for i in range(8, 24):
        put(img, i, 16, light if i % 2 else face)
    return img


def splash():
    w, h = 360, 200
    img = canvas(w, h, (30, 60, 100))
    for y in range(h):
        for x in range(w):
            t = y / h
            img[y][x] = (int(40 + 60 * t), int(80 + 70 * t), int(130 + 80 * t))
    # A picture frame with hills and a sun, as on the icon.
    for y in range(40, 160):
        for x in range(110, 250):
            put(img, x, y, (242, 239, 230))
    for y in range(50, 120):
        for x in range(120, 240):
            put(img, x, y, (127, 180, 224))
    polygon(img, [(120, 150), (165, 92), (195, 125), (215, 105), (240, 150)], (61, 122, 58))
    disc(img, 212, 72, 10, (244, 197, 66))
    polygon(img, [(200, 178), (268, 80), (280, 90), (212, 186)], (200, 65, 46))
    return img


def brush_shapes():
    """The painter's brush shapes: four 50 x 50 cells one under the other,
    True where the shape is: a disc of diameter 40, a 40 x 40 square, and a
    band 7 pixels wide along each diagonal of that square."""
    cells = []
    disc_cell = [[(x + 0.5 - 25) ** 2 + (y + 0.5 - 25) ** 2 <= 400 for x in range(50)] for y in range(50)]
    square = [[5 <= x < 45 and 5 <= y < 45 for x in range(50)] for y in range(50)]
    band = [[5 <= y < 45 and 5 <= x < 45 and abs(x - y) <= 3 for x in range(50)] for y in range(50)]
    mirrored = [list(reversed(row)) for row in band]
    for cell in (disc_cell, square, band, mirrored):
        cells.extend(cell)
    return cells


WHITE = (255, 255, 255)
INK = (20, 20, 20)


def soft_disc(img, cx, cy, r, soft, top):
    """A disc of radius r whose edge fades to white over soft pixels."""
    for y in range(int(cy - r - 1), int(cy + r + 2)):
        for x in range(int(cx - r - 1), int(cx + r + 2)):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            t = 1.0 if d <= r - soft else max(0.0, (r - d) / soft) if soft else 0.0
            if t > 0:
                put(img, x, y, tuple(int(255 + (c - 255) * t) for c in top))


def brush_sizes():
    """Four 50 x 50 cells one under the other: the four brush sizes as
    discs, small to large."""
    img = canvas(50, 200, WHITE)
    for i, r in enumerate((2, 7, 14, 21)):
        disc(img, 25, 50 * i + 25, r, INK)
    return img


def brush_smoothness():
    """Four 50 x 50 cells: one disc with a harder to softer edge."""
    img = canvas(50, 200, WHITE)
    for i, soft in enumerate((0, 6, 12, 20)):
        soft_disc(img, 25, 50 * i + 25, 20, soft, INK)
    return img


def brush_types():
    """Five 50 x 50 cells: colour brush, air brush, smudge, lighter and
    darker, each a stroke of its kind."""
    img = canvas(50, 250, WHITE)
    line(img, 10, 38, 40, 12, 4, (200, 40, 30))
    for k in range(160):
        a, d = k * 2.39996, 17 * math.sqrt(((k * 7919) % 160) / 160)
        put(img, 25 + d * math.cos(a), 75 + d * math.sin(a), (30, 70, 170))
    for k in range(12):
        line(img, 10 + k, 138 - k, 40 - 2 * k // 3, 112 + k // 2, 3, tuple(min(255, 40 + 17 * k) for _ in range(3)))
    for y in range(150, 200):
        for x in range(5, 45):
            put(img, x, y, (120 + 2 * (y - 150), 120 + 2 * (y - 150), 120 + 2 * (y - 150)))
    line(img, 25, 160, 25, 190, 2, WHITE)
    line(img, 10, 175, 40, 175, 2, WHITE)
    for y in range(200, 250):
        for x in range(5, 45):
            put(img, x, y, (220 - 3 * (y - 200), 220 - 3 * (y - 200), 220 - 3 * (y - 200)))
    line(img, 10, 225, 40, 225, 2, INK)
    return img


def write_bmp1(name, bits):
    """A 1-bit BMP, black (index 0) where bits are True, white elsewhere."""
    h, w = len(bits), len(bits[0])
    stride = (w + 31) // 32 * 4
    rows = b""
    for row in reversed(bits):
        packed = bytearray(stride)
        for x, on in enumerate(row):
            if not on:
                packed[x // 8] |= 0x80 >> (x % 8)
        rows += bytes(packed)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 1, 0, len(rows), 2835, 2835, 2, 2)
    with open(name, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 14 + 40 + 8 + len(rows), 0, 0, 14 + 40 + 8) + header + palette + rows)


def write_click(name, frequency, ms):
    rate = 22050
    n = rate * ms // 1000
    frames = b"".join(
        struct.pack("<h", int(9000 * math.exp(-6 * i / n) * math.sin(2 * math.pi * frequency * i / rate)))
        for i in range(n))
    with wave.open(name, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(frames)


if __name__ == "__main__":
    write_bmp("bar_undo.bmp", arc_arrow(False))
    write_bmp("bar_redo.bmp", arc_arrow(True))
    write_bmp("bar_next.bmp", triangle(True))
    write_bmp("bar_previous.bmp", triangle(False))
    write_bmp("bar_cancel.bmp", cross())
    write_bmp("bar_ok.bmp", check())
    write_bmp("bar_home.bmp", home())
    write_bmp("bar_help.bmp", question())
    write_bmp("bar_texture.bmp", texture())
    write_bmp("splash.bmp", splash())
    write_bmp1("brush_shapes.bmp", brush_shapes())
    write_bmp("brush_sizes.bmp", brush_sizes())
    write_bmp("brush_smoothness.bmp", brush_smoothness())
    write_bmp("brush_types.bmp", brush_types())
    write_click("hover.wav", 1800, 25)
    write_click("press.wav", 900, 45)
