#!/usr/bin/env python3
"""Draws the editor's own mouse cursors as Windows cursor files (.cur, one
32 x 32 image stored as PNG, with its hot spot in the directory entry):

  130 open hand: over a preview that can be scrolled by dragging
  131 closed hand: while such a preview is dragged
  135 arrow with four-way arrows: moving the selection (hot spot 6, 0)
  136 arrow with an ellipse: ellipse selection (hot spot 1, 1)
  137 arrow with a rectangle: rectangle selection (hot spot 1, 1)
  138 cross hairs with a drop: colour-range selection (hot spot 10, 10)
  139 arrow with a loop: freehand selection (hot spot 1, 1)

The pictures are our own. Run it in this folder to redraw them:
python3 make_cursors.py
"""
import struct
import zlib

SIZE = 32
CLEAR, BLACK, WHITE = None, (0, 0, 0), (255, 255, 255)

ARROW = [
    "X..........",
    "XX.........",
    "XoX........",
    "XooX.......",
    "XoooX......",
    "XooooX.....",
    "XoooooX....",
    "XooooooX...",
    "XoooooooX..",
    "XooooooooX.",
    "XoooooXXXXX",
    "XooXooX....",
    "XoX.XooX...",
    "XX..XooX...",
    "X....XooX..",
    ".....XooX..",
    "......XX...",
]

OPEN_HAND = [
    ".......XX.......",
    "...XX.XooXXX....",
    "..XooXXooXooX...",
    "..XooXXooXooX.X.",
    "...XooXooXooXXoX",
    "...XooXooXooXooX",
    ".XX.XooooooooooX",
    "XooXXoooooooooX.",
    "XoooXooooooooX..",
    ".XoooooooooooX..",
    "..XooooooooooX..",
    "..XoooooooooX...",
    "...XooooooooX...",
    "....XoooooooX...",
    ".....XooooooX...",
    ".....XooooooX...",
]

CLOSED_HAND = [
    "................",
    "................",
    "................",
    "................",
    "....XX.XX.XX....",
    "...XooXooXooXX..",
    "...XooooooooXoX.",
    "....XooooooooooX",
    "...XXooooooooooX",
    "..XoXoooooooooX.",
    "..XooooooooooX..",
    "..XoooooooooX...",
    "...XooooooooX...",
    "....XoooooooX...",
    ".....XooooooX...",
    ".....XooooooX...",
]


def canvas():
    return [[CLEAR] * SIZE for _ in range(SIZE)]


def stamp(img, art, x0, y0):
    for y, row in enumerate(art):
        for x, c in enumerate(row):
            if c != ".":
                img[y0 + y][x0 + x] = BLACK if c == "X" else WHITE


def put(img, x, y, colour=BLACK):
    if 0 <= x < SIZE and 0 <= y < SIZE:
        img[y][x] = colour


def halo(img):
    """Surrounds every black pixel with white where the cursor is clear, so
    that thin strokes show on dark and light pictures alike."""
    for y in range(SIZE):
        for x in range(SIZE):
            if img[y][x] is not BLACK:
                continue
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    px, py = x + dx, y + dy
                    if 0 <= px < SIZE and 0 <= py < SIZE and img[py][px] is CLEAR:
                        img[py][px] = WHITE


def rectangle(img, left, top, right, bottom):
    for x in range(left, right + 1):
        if (x - left) % 3 != 2:
            put(img, x, top)
            put(img, x, bottom)
    for y in range(top, bottom + 1):
        if (y - top) % 3 != 2:
            put(img, left, y)
            put(img, right, y)


def ellipse(img, cx, cy, rx, ry):
    steps = 96
    import math
    for i in range(steps):
        t = 2 * math.pi * i / steps
        put(img, round(cx + rx * math.cos(t)), round(cy + ry * math.sin(t)))


def loop(img):
    points = [(14, 24), (15, 21), (18, 19), (22, 18), (26, 19), (28, 22), (27, 25),
              (24, 27), (20, 27), (17, 26), (16, 28), (17, 30)]
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        steps = max(abs(x1 - x0), abs(y1 - y0))
        for i in range(steps + 1):
            put(img, round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps))


def four_way(img, cx, cy, r):
    for d in range(-r, r + 1):
        put(img, cx + d, cy)
        put(img, cx, cy + d)
    for k in (1, 2):
        for s in (-1, 1):
            put(img, cx + s * (r - k), cy - k)
            put(img, cx + s * (r - k), cy + k)
            put(img, cx - k, cy + s * (r - k))
            put(img, cx + k, cy + s * (r - k))


def cross_hairs_with_drop(img):
    cx = cy = 10
    for d in range(3, 10):
        for s in (-1, 1):
            put(img, cx + s * d, cy)
            put(img, cx, cy + s * d)
    put(img, cx, cy)
    # A drop of colour below right: the colour that the range starts from.
    for y in range(18, 29):
        half = 0 if y < 20 else min(4, (y - 18) // 2 + 1) if y < 25 else 4 - (y - 24)
        for x in range(24 - half, 25 + half):
            put(img, x, y, BLACK if abs(x - 24) == half or y in (18, 28) else WHITE)


def arrow(x=0, y=0):
    img = canvas()
    stamp(img, ARROW, x, y)
    return img


def png(img):
    raw = b""
    for row in img:
        raw += b"\0" + b"".join(bytes((0, 0, 0, 0)) if c is CLEAR else bytes(c + (255,)) for c in row)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def write_cur(name, img, hot_x, hot_y):
    image = png(img)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, hot_x, hot_y, len(image), 6 + 16)
    with open(name, "wb") as f:
        f.write(directory + entry + image)


def main():
    hand = canvas()
    stamp(hand, OPEN_HAND, 0, 0)
    write_cur("preview_hand.cur", hand, 8, 8)
    grip = canvas()
    stamp(grip, CLOSED_HAND, 0, 0)
    write_cur("preview_grip.cur", grip, 8, 8)

    move = arrow(6, 0)
    four_way(move, 22, 22, 6)
    halo(move)
    write_cur("select_move.cur", move, 6, 0)

    oval = arrow(1, 1)
    ellipse(oval, 22, 23, 7, 5)
    halo(oval)
    write_cur("select_ellipse.cur", oval, 1, 1)

    box = arrow(1, 1)
    rectangle(box, 14, 18, 29, 28)
    halo(box)
    write_cur("select_rectangle.cur", box, 1, 1)

    range_ = canvas()
    cross_hairs_with_drop(range_)
    halo(range_)
    write_cur("select_colour_range.cur", range_, 10, 10)

    lasso = arrow(1, 1)
    loop(lasso)
    halo(lasso)
    write_cur("select_freehand.cur", lasso, 1, 1)


if __name__ == "__main__":
    main()
