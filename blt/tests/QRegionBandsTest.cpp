#include "blt/qt/QRegionBands.h"

#include <gtest/gtest.h>

namespace {

// Bands of every kind: one-pixel rows of runs, a tall band of several
// rectangles, a hole, and rows that differ only outside most cut rectangles.
QRegion BandedRegion()
{
    QRegion r;
    for (int y = 0; y < 40; ++y)
        for (int x = 3 * (y % 5); x < 200; x += 11 + y % 3)
            r += QRect(x, y, 4 + y % 4, 1);
    r += QRect(0, 50, 60, 30);
    r += QRect(100, 50, 20, 30);
    r += QRegion(0, 90, 200, 40) - QRegion(50, 100, 70, 20);
    return r;
}

TEST(QRegionBands, SameAsQtsIntersectionAndDifference)
{
    const QRegion region = BandedRegion();
    const QRect cuts[] = {
        {10, 10, 50, 20},    // rows of runs
        {30, 55, 100, 10},   // the middle of the tall band
        {0, 35, 150, 70},    // from the runs through the tall band into the hole's band
        {40, 95, 20, 30},    // across the hole's edge
        {-50, -50, 400, 400},  // everything
        {300, 0, 10, 10},    // nothing
        {0, 40, 200, 10},    // the empty rows between
        {5, 5, 0, 10},       // empty
    };
    for (const QRect& cut : cuts) {
        SCOPED_TRACE(testing::Message() << cut.x() << "," << cut.y() << " " << cut.width() << "x" << cut.height());
        const QRegion within = QRegionWithin(region, cut);
        const QRegion without = QRegionWithout(region, cut);
        EXPECT_TRUE(within.xored(region.intersected(cut)).isEmpty());
        EXPECT_TRUE(without.xored(region.subtracted(QRegion(cut))).isEmpty());
        const QRect rows(-1000, cut.top(), 3000, cut.height());
        EXPECT_EQ(QRegionRowsBox(region, cut.top(), cut.bottom() + 1), region.intersected(rows).boundingRect());
        // The results are banded regions in their turn: cut again, they
        // still agree with Qt.
        const QRect again(20, 0, 30, 200);
        EXPECT_TRUE(QRegionWithin(without, again).xored(without.intersected(again)).isEmpty());
        EXPECT_TRUE(QRegionWithout(without, again).xored(without.subtracted(QRegion(again))).isEmpty());
    }
}

}  // namespace
