// The pixels of a 24-bit device-independent bitmap as the blitter's tiles
// hold them: rows stored bottom-up (row 0 is the picture's last line), each
// pixel blue, green, red, each row padded to a multiple of 4 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

struct DibBits {
    int32_t width = 0;
    int32_t height = 0;
    const uint8_t* bits = nullptr;

    bool IsValid() const { return width > 0 && height > 0 && bits != nullptr; }
    int64_t RowBytes() const { return (int64_t(width) * 24 + 31) / 32 * 4; }
    // Stored row r, counted from the bottom line up.
    const uint8_t* Row(int32_t r) const { return bits + size_t(r) * size_t(RowBytes()); }
};

// A block of a DIB in the DIB's own coordinates: x from the left column, y
// from the bottom row up, as the source origin of the system's DIB calls
// counts them for bottom-up bitmaps.
struct DibRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};
