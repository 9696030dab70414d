// What the test module's ring sum must give, worked out here from the
// picture alone: which image rows the ring holds for each output row, and
// how the row's ends are repeated into the margins.
#pragma once

#include "platform/WinRand.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

struct RingCase {
    int32_t ringSize;
    int32_t margin;
    bool noise = false;
};

// Pixel value (x, y, plane k) of a source rows x cols area; outside rows
// (y < 0) are black when zeroAbove, else the top row.
using SourcePixel = std::function<uint8_t(int32_t x, int32_t y, int32_t k)>;

// The ring sum over an area of width x height with planes; rowBase is the
// row number the module adds (the image row on the host, the tile row in a
// preview). zeroAbove: the rows above the area are black (preview) rather
// than the top row repeated (host).
inline std::vector<uint8_t> RingSum(const RingCase& c, int32_t width, int32_t height, int32_t planes,
                                    const SourcePixel& source, int32_t rowBase, bool zeroAbove)
{
    const int32_t m = c.margin;
    const int32_t span = 2 * m + 1;
    platform::WinRand rand;
    // Ring column j shows area column j - m; the left margin repeats the
    // first pixel, the right one the pixel 2m - 1 before the last (the
    // first pixel when the row is narrower than two margins).
    auto column = [&](int32_t j) {
        const int32_t x = j - m;
        if (x < 0)
            return 0;
        if (x >= width)
            return std::max(0, width - 2 * m);
        return x;
    };
    std::vector<uint8_t> out;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            for (int32_t k = 0; k < planes; ++k) {
                uint32_t sum = uint32_t(rowBase + y);
                for (int32_t r = 0; r < c.ringSize; ++r) {
                    const int32_t sy = y - (c.ringSize - 1) + r;
                    for (int32_t j = 0; j < span; ++j) {
                        const uint32_t w = uint32_t(2 * (r * span + j) + 1);
                        if (sy < 0 && zeroAbove)
                            continue;
                        sum += w * source(column(x + j), std::max(0, sy), k);
                    }
                }
                if (c.noise)
                    sum += uint32_t(rand.Next() & 3);
                out.push_back(uint8_t(sum));
            }
    return out;
}
