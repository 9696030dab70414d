#include "blt/qt/QRegionRgn.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void ExpectSamePixels(const QnRgn& rgn, const QRegion& region)
{
    const QnRect box = rgn.box();
    for (int32_t y = box.top - 1; y <= box.bottom; ++y)
        for (int32_t x = box.left - 1; x <= box.right; ++x)
            ASSERT_EQ(region.contains(QPoint(x, y)), rgn.from_point(QnPoint{x, y}) != QnRect{}) << x << "," << y;
}

TEST(QRegionRgn, RegionsOfTheRenderLibraryBecomeQtRegions)
{
    // Runs on rows, some touching side by side: banded as they are.
    std::vector<QnRect> runs;
    for (int32_t y = 0; y < 12; ++y)
        for (int32_t x = y % 3; x < 40; x += 5)
            runs.push_back(QnRect{x, y, x + 2 + (x / 5) % 4, y + 1});
    const QnRgn rows = QnRgn::FromDisjointRects(runs);
    // A ring cut into pieces of different heights, and a block beside it
    // that spans their rows: not banded.
    QnRgn ring = QnRgn(QnRect{4, 4, 30, 26}) - QnRgn(QnRect{10, 9, 22, 20});
    ring += QnRgn(QnRect{33, 2, 38, 40});
    ring -= QnRect{26, 12, 29, 13};
    for (const QnRgn& rgn : {rows, ring, QnRgn(QnRect{3, 4, 5, 6}), QnRgn()}) {
        const QRegion region = QRegionFromRgn(rgn);
        ExpectSamePixels(rgn, region);
        // Qt's own operations, which rely on its bands, find it equal to
        // the union of the rectangles.
        QRegion reference;
        for (const QnRect& r : rgn.rects())
            reference += QRect(r.left, r.top, int(r.Width()), int(r.Height()));
        EXPECT_TRUE(region.xored(reference).isEmpty());
        EXPECT_TRUE(reference.subtracted(region).isEmpty());
    }
}

}  // namespace
