#include "render/RectSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <vector>

TEST(QnSortRects, OrdersByTopThenLeftAtAnySpread)
{
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    std::mt19937 gen(3);
    // Short and long lists; coordinates close together, spread wide, and
    // reaching both ends of the 32-bit range.
    for (size_t count : {size_t(10), size_t(5000)}) {
        for (auto [lo, hi] : {std::pair{0, 100}, std::pair{-1000000, 1000000}, std::pair{kMin, kMax}}) {
            std::uniform_int_distribution<int32_t> coord(lo, hi);
            std::vector<QnRect> rects(count);
            for (QnRect& r : rects) {
                r.top = coord(gen);
                r.left = coord(gen);
                r.right = coord(gen); // carried along, not part of the order
            }
            std::vector<QnRect> expected = rects;
            std::stable_sort(expected.begin(), expected.end(), QnRectBefore);
            QnSortRects(rects);
            EXPECT_EQ(rects, expected) << count << " rectangles in " << lo << ".." << hi;
        }
    }
}
