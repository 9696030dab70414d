#!/usr/bin/env python3
"""Draws the 16 x 16 button icons of the selection and text option panels
as PNG files with a transparent background.

The pictures are our own. Run it in this folder to redraw them:
python3 make_panel_icons.py
"""
import struct
import zlib

SIZE = 16
INK = (0, 0, 0, 255)
BLUE = (0, 0, 160, 255)
RED = (192, 0, 0, 255)
GREEN = (0, 128, 0, 255)


def canvas():
    return [[(0, 0, 0, 0)] * SIZE for _ in range(SIZE)]


def put(img, x, y, colour):
    if 0 <= x < SIZE and 0 <= y < SIZE:
        img[y][x] = colour


def hline(img, x0, x1, y, colour):
    for x in range(x0, x1 + 1):
        put(img, x, y, colour)


def vline(img, x, y0, y1, colour):
    for y in range(y0, y1 + 1):
        put(img, x, y, colour)


def line(img, x0, y0, x1, y1, colour):
    steps = max(abs(x1 - x0), abs(y1 - y0), 1)
    for i in range(steps + 1):
        put(img, round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)


def dashed_rect(img, x0, y0, x1, y1, colour):
    for x in range(x0, x1 + 1):
        if x % 2 == 0:
            put(img, x, y0, colour)
            put(img, x, y1, colour)
    for y in range(y0, y1 + 1):
        if y % 2 == 0:
            put(img, x0, y, colour)
            put(img, x1, y, colour)


def ellipse(img, cx, cy, rx, ry, colour):
    for y in range(SIZE):
        for x in range(SIZE):
            d = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
            if 0.75 <= d <= 1.2 and (x + y) % 2 == 0:
                put(img, x, y, colour)


def rect_select():
    img = canvas()
    dashed_rect(img, 2, 3, 13, 12, INK)
    return img


def ellipse_select():
    img = canvas()
    ellipse(img, 7.5, 7.5, 6.5, 5, INK)
    return img


def polygon_select():
    img = canvas()
    pts = [(2, 12), (6, 2), (13, 5), (11, 13), (2, 12)]
    for (a, b) in zip(pts, pts[1:]):
        line(img, a[0], a[1], b[0], b[1], INK)
    return img


def lasso_select():
    img = canvas()
    ellipse(img, 8, 6, 6, 4, INK)
    line(img, 4, 9, 3, 14, INK)
    return img


def wand_select():
    img = canvas()
    line(img, 2, 14, 10, 6, INK)
    line(img, 3, 14, 11, 6, INK)
    for (x, y) in [(12, 2), (12, 4), (14, 3), (10, 3), (13, 1)]:
        put(img, x, y, RED)
    hline(img, 11, 13, 3, RED)
    vline(img, 12, 2, 4, RED)
    return img


def move_select():
    img = canvas()
    for y in range(2, 14):
        hline(img, 4, 4 + (y - 2) // 2, y, INK)
    line(img, 7, 10, 10, 14, INK)
    return img


def new_selection():
    img = canvas()
    dashed_rect(img, 3, 3, 12, 12, INK)
    return img


def add_selection():
    img = canvas()
    dashed_rect(img, 1, 1, 9, 9, INK)
    hline(img, 8, 14, 11, GREEN)
    vline(img, 11, 8, 14, GREEN)
    return img


def subtract_selection():
    img = canvas()
    dashed_rect(img, 1, 1, 9, 9, INK)
    hline(img, 8, 14, 11, RED)
    hline(img, 8, 14, 12, RED)
    return img


def italic():
    img = canvas()
    line(img, 9, 3, 6, 12, INK)
    line(img, 10, 3, 7, 12, INK)
    hline(img, 7, 12, 3, INK)
    hline(img, 4, 9, 12, INK)
    return img


def bold():
    img = canvas()
    for x in (4, 5):
        vline(img, x, 3, 12, INK)
    for y in (3, 7, 12):
        hline(img, 4, 9, y, INK)
        hline(img, 4, 9, y + (1 if y < 12 else -1), INK)
    vline(img, 10, 4, 6, INK)
    vline(img, 11, 8, 11, INK)
    return img


def underline():
    img = canvas()
    vline(img, 4, 2, 9, INK)
    vline(img, 11, 2, 9, INK)
    hline(img, 5, 10, 10, INK)
    hline(img, 2, 13, 13, BLUE)
    return img


def align(kind):
    img = canvas()
    widths = [12, 8, 12, 6, 10]
    for i, w in enumerate(widths):
        y = 3 + 2 * i
        if kind == 'left':
            x0 = 2
        elif kind == 'centre':
            x0 = 2 + (12 - w) // 2
        else:
            x0 = 14 - w
        hline(img, x0, x0 + w - 1, y, INK)
    return img


def write_png(path, img):
    raw = b''.join(b'\0' + b''.join(struct.pack('4B', *px) for px in row) for row in img)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack('>IIBBBBB', SIZE, SIZE, 8, 6, 0, 0, 0)
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9)) +
                chunk(b'IEND', b''))


ICONS = {
    'select_rectangle.png': rect_select,
    'select_ellipse.png': ellipse_select,
    'select_polygon.png': polygon_select,
    'select_lasso.png': lasso_select,
    'select_wand.png': wand_select,
    'select_move.png': move_select,
    'selection_new.png': new_selection,
    'selection_add.png': add_selection,
    'selection_subtract.png': subtract_selection,
    'text_italic.png': italic,
    'text_bold.png': bold,
    'text_underline.png': underline,
    'text_left.png': lambda: align('left'),
    'text_centre.png': lambda: align('centre'),
    'text_right.png': lambda: align('right'),
}

if __name__ == '__main__':
    for name, draw in ICONS.items():
        write_png(name, draw())
