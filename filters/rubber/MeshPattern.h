// How the module's preview meshes look at rest: every line walked pixel by
// pixel and each pixel taken from an 8 x 8 one-bit pattern brush, which
// dots the line black and white wherever it runs.
#pragma once

#include <cstdint>
#include <functional>

class MeshPattern {
public:
    // Every pixel of the line from (x0, y0) to (x1, y1), both ends
    // included, stepping along the major axis (Bresenham).
    static void WalkLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1,
                         const std::function<void(int32_t x, int32_t y)>& plot);
    // True where the brush paints white (its set bits take the background
    // colour, its clear bits the black text colour), with the brush's
    // origin at (originX, originY).
    static bool White(int32_t x, int32_t y, int32_t originX, int32_t originY);
};
