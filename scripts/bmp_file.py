"""Writes a picture, a list of rows of (r, g, b) tuples from the top, as a
24-bit bottom-up BMP file: the one writer of the suite's picture scripts."""
import struct


def write_bmp(path, img):
    width, height = len(img[0]), len(img)
    row_bytes = (width * 3 + 3) & ~3
    pixels = b""
    for y in reversed(range(height)):
        row = b"".join(bytes((b, g, r)) for (r, g, b) in img[y])
        pixels += row + b"\0" * (row_bytes - width * 3)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    with open(path, "wb") as f:
        f.write(file_header + header + pixels)
