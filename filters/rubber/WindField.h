// The gusts of Wind: one grid of random nodes over the picture turned by
// the wind's direction, with a margin, for horizontal and vertical offsets;
// a position is turned into the grid and stepped between its nodes.
#pragma once

#include "platform/WinRand.h"

#include <cstdint>
#include <vector>

class WindField {
public:
    struct Steps {
        int32_t rx, ry, d, strength;
        int32_t cos, sin; // of the direction, times 1024
    };

    // The grid for a work area of width x height; false when memory runs
    // out.
    bool Build(int32_t width, int32_t height, const Steps& steps, platform::WinRand& rand);
    void Free();
    // The source of (x, y) in 1/16 pixel.
    void Source(int32_t x, int32_t y, int32_t* sx, int32_t* sy) const;

private:
    Steps steps_{};
    int32_t width_ = 0, height_ = 0;
    int32_t columns_ = 0, rows_ = 0;
    int64_t pu_ = 0, qv_ = 0; // half extents of the turned box, 1/16 pixel
    std::vector<int32_t> x_, y_;
};
