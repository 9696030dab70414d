// The bitmaps of the art module's own resources, looked up by name: the
// brush shapes and the textures (drawn by art_bitmapgen when the module is
// built). Any target that links the art filters carries those resources.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// A bitmap taken apart: its pixels in stored order (bottom-up rows, padded
// to four bytes), and for 8-bit bitmaps the colour table.
struct ArtBitmapView {
    int32_t width = 0;
    int32_t height = 0;
    int32_t bits = 0;
    int32_t rowBytes = 0;
    std::span<const uint8_t> pixels;
    // The packed DIB as the module keeps it.
    std::span<const uint8_t> dib;
    // Red, green, blue of each 8-bit index.
    std::vector<uint32_t> palette;

    // The first byte of the pixel at stored row y, column x.
    const uint8_t* At(int32_t x, int32_t y) const
    {
        return pixels.data() + size_t(y) * size_t(rowBytes) + size_t(x) * size_t(bits / 8);
    }
};

// The uncompressed 8- or 24-bit bitmap of that name; none when the module
// has none such.
std::optional<ArtBitmapView> ArtBitmap(const char* name);
