#include "blt/MemoryDC.h"
#include "TestDib.h"

#include <gtest/gtest.h>

namespace {

constexpr QnColorRef kBackground = QnRGB(1, 2, 3);

// A ring with a separate block beside it: disjoint pieces, a hole, and
// rectangles of different heights in one band.
QnRgn ComplexRegion()
{
    QnRgn r = QnRgn(QnRect{4, 4, 30, 26}) - QnRgn(QnRect{10, 9, 22, 20});
    r += QnRgn(QnRect{33, 2, 38, 40});
    r -= QnRect{26, 12, 29, 13};
    return r;
}

// Draws over the whole device in every way the context knows.
void DrawEverything(DeviceContext& dc)
{
    const TestDib dib(16, 12);
    dc.FillRect(QnRect{-5, -5, 100, 100}, QnRGB(200, 10, 10));
    dc.StretchDIBits(0, 0, 40, 44, 0, 0, 16, 12, dib.Bits());
    dc.SetDIBitsToDevice(20, 1, 16, 12, 0, 0, dib.Bits());
}

TEST(Clip, NothingOutsideAComplexRegionIsTouched)
{
    const QnRgn region = ComplexRegion();
    MemoryDC dc(40, 44, kBackground);
    dc.SelectClipRgn(&region);
    DrawEverything(dc);
    for (int32_t y = 0; y < 44; ++y)
        for (int32_t x = 0; x < 40; ++x) {
            const bool inside = bool(region.from_point(QnPoint{x, y}) != QnRect{});
            if (inside)
                EXPECT_NE(dc.DevicePixel(x, y), kBackground) << x << "," << y;
            else
                EXPECT_EQ(dc.DevicePixel(x, y), kBackground) << x << "," << y;
        }
}

TEST(Clip, EmptyRegionDrawsNothingAndNullRemovesTheClip)
{
    MemoryDC dc(20, 20, kBackground);
    const QnRgn empty;
    dc.SelectClipRgn(&empty);
    DrawEverything(dc);
    EXPECT_EQ(dc.GetClipBox(), QnRect{});
    EXPECT_FALSE(dc.RectVisible(QnRect{0, 0, 20, 20}));
    for (int32_t y = 0; y < 20; ++y)
        for (int32_t x = 0; x < 20; ++x)
            ASSERT_EQ(dc.DevicePixel(x, y), kBackground);

    dc.SelectClipRgn(nullptr);
    EXPECT_EQ(dc.GetClipBox(), (QnRect{0, 0, 20, 20}));
    dc.FillRect(QnRect{0, 0, 20, 20}, QnRGB(9, 9, 9));
    EXPECT_EQ(dc.DevicePixel(19, 19), QnRGB(9, 9, 9));
}

TEST(Clip, RectanglesAreGivenInLogicalUnits)
{
    MemoryDC dc(100, 100, kBackground);
    DcMapping& m = dc.Mapping();
    m.SetMapMode(QN_MM_ANISOTROPIC);
    m.SetWindowExt(QnPoint{1, 1});
    m.SetViewportExt(QnPoint{2, 2});
    m.SetViewportOrg(QnPoint{10, 20});

    dc.IntersectClipRect(QnRect{0, 0, 30, 30});  // device (10, 20, 70, 80)
    dc.ExcludeClipRect(QnRect{5, 5, 10, 10});    // device (20, 30, 30, 40)
    ASSERT_TRUE(dc.GetClipRgn().has_value());
    EXPECT_EQ(*dc.GetClipRgn(), QnRgn(QnRect{10, 20, 70, 80}) - QnRgn(QnRect{20, 30, 30, 40}));
    EXPECT_EQ(dc.GetClipBox(), (QnRect{0, 0, 30, 30}));
    EXPECT_TRUE(dc.RectVisible(QnRect{4, 4, 6, 6}));
    EXPECT_FALSE(dc.RectVisible(QnRect{5, 5, 10, 10}));
    EXPECT_FALSE(dc.RectVisible(QnRect{30, 0, 40, 30}));

    // The device's edge clips as well: the box never reaches past it.
    dc.SelectClipRgn(nullptr);
    EXPECT_EQ(dc.GetClipBox(), (QnRect{-5, -10, 45, 40}));
}

TEST(Clip, ExcludingWithoutAClipStartsFromTheWholeDevice)
{
    MemoryDC dc(20, 10, kBackground);
    dc.ExcludeClipRect(QnRect{5, 0, 15, 10});
    dc.FillRect(QnRect{0, 0, 20, 10}, QnRGB(7, 7, 7));
    for (int32_t x = 0; x < 20; ++x)
        EXPECT_EQ(dc.DevicePixel(x, 5), x >= 5 && x < 15 ? kBackground : QnRGB(7, 7, 7)) << x;
}

TEST(Clip, SaveAndRestoreBringBackMappingAndClip)
{
    MemoryDC dc(50, 50, kBackground);
    const QnRgn first(QnRect{0, 0, 10, 10});
    dc.SelectClipRgn(&first);
    EXPECT_EQ(dc.SaveDC(), 1);
    dc.Mapping().SetViewportOrg(QnPoint{5, 5});
    dc.IntersectClipRect(QnRect{0, 0, 2, 2});
    EXPECT_EQ(dc.SaveDC(), 2);
    dc.SelectClipRgn(nullptr);
    dc.Mapping().SetMapMode(QN_MM_ISOTROPIC);
    EXPECT_EQ(dc.SaveDC(), 3);

    EXPECT_FALSE(dc.RestoreDC(0));
    EXPECT_FALSE(dc.RestoreDC(4));
    EXPECT_FALSE(dc.RestoreDC(-4));

    EXPECT_TRUE(dc.RestoreDC(2));  // drops save 3 as well
    EXPECT_EQ(dc.Mapping().GetViewportOrg(), (QnPoint{5, 5}));
    EXPECT_EQ(dc.Mapping().GetMapMode(), QN_MM_TEXT);
    ASSERT_TRUE(dc.GetClipRgn().has_value());
    EXPECT_EQ(*dc.GetClipRgn(), QnRgn(QnRect{5, 5, 7, 7}));
    EXPECT_FALSE(dc.RestoreDC(2));

    EXPECT_TRUE(dc.RestoreDC(-1));
    EXPECT_EQ(dc.Mapping().GetViewportOrg(), (QnPoint{0, 0}));
    EXPECT_EQ(*dc.GetClipRgn(), first);
    EXPECT_FALSE(dc.RestoreDC(-1));
}

} // namespace
