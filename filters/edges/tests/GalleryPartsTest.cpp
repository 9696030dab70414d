// The parts of the gallery that need no window: cells and pages, the light
// direction's sectors, and the thumbnail filled row by row.
#include "filters/edges/GalleryLayout.h"
#include "filters/edges/LightDirection.h"
#include "filters/edges/Thumbnail.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(GalleryLayout, CellsPagesAndHits)
{
    const GalleryLayout g(480, 300); // four columns, three rows a page
    EXPECT_EQ(g.Columns(), 4);
    EXPECT_EQ(g.RowsPerPage(), 3);
    const GalleryCell c = g.Cell(5);
    EXPECT_EQ(c.x, 123);
    EXPECT_EQ(c.y, 123);
    EXPECT_EQ(c.width, 114);
    EXPECT_EQ(c.height, 84);
    struct Hit {
        int x, y, firstRow, count, item;
    };
    for (const Hit& h : {Hit{125, 125, 0, 14, 5}, Hit{121, 125, 0, 14, -1} /* the inset */, Hit{10, 10, 0, 14, -1},
                         Hit{125, 125, 3, 14, -1} /* beyond the last item */, Hit{5, 35, 3, 14, 12}})
        EXPECT_EQ(g.HitTest(h.x, h.y, h.firstRow, h.count), h.item) << h.x << "," << h.y << " from " << h.firstRow;
    EXPECT_FALSE(g.CanPrevious(0));
    EXPECT_TRUE(g.CanNext(0, 13));
    EXPECT_FALSE(g.CanNext(0, 12));
    EXPECT_EQ(g.Next(0, 14), 3);
    EXPECT_EQ(g.Next(3, 14), 3);
    EXPECT_EQ(g.Previous(3), 0);
    EXPECT_EQ(g.ClampFirstRow(9, 14), 3);
    EXPECT_EQ(g.ClampFirstRow(-2, 14), 0);
    // Too narrow for a cell: still one column and one row.
    EXPECT_EQ(GalleryLayout(50, 40).ItemsPerPage(), 1);
}

TEST(LightDirection, SectorsRingAndShadowOptions)
{
    struct Case {
        double dx, dy;
        int32_t shadow;
    };
    // y downwards: sector 0 down-right, 1 down-left, 2 up-left, 3 up-right.
    for (const Case& c : {Case{20, 20, 4}, Case{-20, 20, 3}, Case{-20, -20, 1}, Case{20, -20, 2}, Case{5, 5, 0}})
        EXPECT_EQ(ShadowOption(LightAt(c.dx, c.dy, 34)), c.shadow) << c.dx << "," << c.dy;
    for (int32_t shadow = 0; shadow <= 4; ++shadow)
        EXPECT_EQ(ShadowOption(ChoiceForShadow(shadow)), shadow);
    EXPECT_EQ(ShadowOption(ChoiceForShadow(9)), 0);
    // The sphere is brightest towards the light and absent outside.
    double lx = 0, ly = 0;
    LightPoint(ChoiceForShadow(1), 30, lx, ly);
    EXPECT_GT(SphereGrey(-15, -15, 30, lx, ly), SphereGrey(15, 15, 30, lx, ly));
    EXPECT_EQ(SphereGrey(25, 25, 30, lx, ly), -1);
}

TEST(Thumbnail, SizesAndRows)
{
    EXPECT_EQ(Thumbnail(400, 100, 3).Height(), 32);
    EXPECT_EQ(Thumbnail(100, 400, 3).Width(), 32);
    EXPECT_EQ(Thumbnail(200, 200, 1).Width(), 128);
    // A strip keeps one row; the grey table runs 0..255.
    const Thumbnail strip(1000, 5, 1);
    EXPECT_EQ(strip.Height(), 1);
    EXPECT_EQ(strip.Dib()[40 + 4 * 200], 200);

    // A picture smaller than the thumbnail fills every thumbnail row.
    Thumbnail small(4, 3, 3);
    ASSERT_EQ(small.Height(), 96);
    for (int32_t r = 0; r < 3; ++r) {
        std::vector<uint8_t> row(4 * 3, uint8_t(10 * (r + 1)));
        small.CopyRow(r, row.data());
    }
    for (int32_t y = 0; y < small.Height(); ++y)
        ASSERT_EQ(small.Pixel(127, y)[2], 10 * (y / 32 + 1)) << y;
}

} // namespace
