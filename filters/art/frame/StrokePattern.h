// What the stroke-angle display draws: fifty short strokes of one
// direction scattered over its area, a sample of what Graphic pen makes.
#pragma once

#include "platform/WinRand.h"

#include <cstdint>
#include <vector>

struct StrokeLine {
    int32_t x1;
    int32_t y1;
    int32_t x2;
    int32_t y2;
};

inline constexpr int32_t kStrokeCount = 50;

// The strokes for an area of width x height at degrees, each start drawn
// as two numbers of rand (x, then y).
std::vector<StrokeLine> StrokePattern(int32_t width, int32_t height, int32_t degrees, platform::WinRand& rand);
