// Our own drawings of the art module's bitmaps, made when the module is
// built: the seven brush shapes (32 x 32, one byte a pixel, 255 = full
// paint, 0 = none: the module inverts them as it loads them) and the four
// textures (24-bit, blue, green, red a pixel), each tiling without a seam.
// Rows run from the top.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ArtDesign {
    std::string name;
    int32_t width;
    int32_t height;
    // 8 or 24.
    int32_t bits;
    // width x height bytes (8-bit) or width x height x 3 (24-bit).
    std::vector<uint8_t> pixels;
};

inline constexpr int32_t kBrushSide = 32;

// The brushes in the order of their menu commands (25003 ..).
std::vector<ArtDesign> BrushDesigns();
// The textures of the variants 0 (MOSAIC), 1 (CANVAS), 2 (OLD), 3 (PADD).
std::vector<ArtDesign> TextureDesigns();
