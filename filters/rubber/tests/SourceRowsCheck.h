// What the engines of rubber.8bf say of where their sources lie, held
// against where they do: every source inside the work area of an output
// row lies in the rows the engine names for that row, and for any band
// of rows holding it.
#pragma once

#include "filters/frame/DisplacementEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <vector>

// Walks the whole work area once, in the engine's own order (random
// engines draw as they go), then asks the engine about single rows and a
// few bands.
// beforeRow readies a row as the engine's row operations do.
inline void ExpectSourcesInTheirRows(DisplacementEngine& engine, int32_t w, int32_t h,
                                     const std::function<void(int32_t)>& beforeRow = {})
{
    std::vector<int32_t> low(size_t(h), INT32_MAX), high(size_t(h), INT32_MIN);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            if (x == 0 && beforeRow)
                beforeRow(y);
            int32_t sx = 16 * x, sy = 16 * y;
            engine.Displace(16 * x, 16 * y, &sx, &sy);
            if ((sx >> 4) < 0 || (sx >> 4) >= w || (sy >> 4) < 0 || (sy >> 4) >= h)
                continue; // never read
            low[size_t(y)] = std::min(low[size_t(y)], sy >> 4);
            high[size_t(y)] = std::max(high[size_t(y)], sy >> 4);
        }
    auto expectBand = [&](int32_t first, int32_t last) {
        int32_t top = 0, bottom = 0;
        ASSERT_TRUE(engine.SourceRows(first, last, &top, &bottom)) << first << ".." << last;
        for (int32_t y = first; y <= last; ++y) {
            if (low[size_t(y)] > high[size_t(y)])
                continue;
            ASSERT_LE(top, low[size_t(y)]) << "row " << y << " in " << first << ".." << last;
            ASSERT_GE(bottom, high[size_t(y)]) << "row " << y << " in " << first << ".." << last;
        }
    };
    for (int32_t y = 0; y < h; ++y)
        expectBand(y, y);
    expectBand(0, h - 1);
    expectBand(h / 3, h / 2);
    expectBand(std::max(0, h / 2 - 3), std::min(h - 1, h / 2 + 3));
}
