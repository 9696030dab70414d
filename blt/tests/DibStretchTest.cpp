#include "blt/MemoryDC.h"
#include "TestDib.h"

#include <gtest/gtest.h>

namespace {

constexpr QnColorRef kBackground = QnRGB(1, 2, 3);

// Source index shown by device pixel i of n when m source pixels are shown.
int32_t Sample(int64_t i, int64_t m, int64_t n)
{
    return int32_t((2 * i + 1) * m / (2 * n));
}

TEST(DibStretch, OneToOneCopyCountsSourceRowsFromTheBottom)
{
    const TestDib dib(6, 4);
    MemoryDC dc(12, 10, kBackground);
    // Block of columns 1..3 and stored rows 1..2 from the bottom: lines 1
    // and 2 from the top of a 4-line DIB.
    ASSERT_TRUE(dc.SetDIBitsToDevice(5, 6, 3, 2, 1, 1, dib.Bits()));
    for (int32_t y = 0; y < 10; ++y)
        for (int32_t x = 0; x < 12; ++x) {
            const bool inside = x >= 5 && x < 8 && y >= 6 && y < 8;
            EXPECT_EQ(dc.DevicePixel(x, y), inside ? TestDib::At(x - 5 + 1, y - 6 + 1) : kBackground)
                << x << "," << y;
        }
}

struct StretchCase {
    int32_t srcW, srcH, destW, destH;
};

TEST(DibStretch, EveryDevicePixelShowsTheSourcePixelUnderItsCentre)
{
    const StretchCase cases[] = {{3, 2, 7, 5}, {7, 5, 3, 2}, {5, 5, 5, 5}, {1, 1, 4, 3},
                                 {4, 3, 1, 1}, {64, 17, 129, 40}, {30, 20, 29, 21}};
    const TestDib dib(70, 30);
    for (const StretchCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.srcW << "x" << c.srcH << " to " << c.destW << "x" << c.destH);
        MemoryDC dc(140, 50, kBackground);
        const int32_t xSrc = 2, ySrc = 3;  // ySrc from the bottom
        const int32_t topLine = 30 - (ySrc + c.srcH);
        ASSERT_TRUE(dc.StretchDIBits(4, 5, c.destW, c.destH, xSrc, ySrc, c.srcW, c.srcH, dib.Bits()));
        for (int32_t j = 0; j < c.destH; ++j)
            for (int32_t i = 0; i < c.destW; ++i)
                ASSERT_EQ(dc.DevicePixel(4 + i, 5 + j),
                          TestDib::At(xSrc + Sample(i, c.srcW, c.destW), topLine + Sample(j, c.srcH, c.destH)))
                    << i << "," << j;
        EXPECT_EQ(dc.DevicePixel(3, 5), kBackground);
        EXPECT_EQ(dc.DevicePixel(4 + c.destW, 5 + c.destH - 1), kBackground);
        EXPECT_EQ(dc.DevicePixel(4, 5 + c.destH), kBackground);
    }
}

TEST(DibStretch, NegativeSizeOrReversedMappingMirrors)
{
    const TestDib dib(4, 3);
    MemoryDC flipped(8, 3, kBackground);
    // Width -4 from x = 6: the block covers 2..5 with its first column at 5.
    ASSERT_TRUE(flipped.StretchDIBits(6, 0, -4, 3, 0, 0, 4, 3, dib.Bits()));
    MemoryDC mapped(8, 3, kBackground);
    mapped.Mapping().SetMapMode(QN_MM_ANISOTROPIC);
    mapped.Mapping().SetViewportExt(QnPoint{-1, 1});
    mapped.Mapping().SetViewportOrg(QnPoint{8, 0});
    ASSERT_TRUE(mapped.StretchDIBits(2, 0, 4, 3, 0, 0, 4, 3, dib.Bits()));
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 8; ++x) {
            const QnColorRef want = x >= 2 && x < 6 ? TestDib::At(5 - x, y) : kBackground;
            EXPECT_EQ(flipped.DevicePixel(x, y), want) << x << "," << y;
            EXPECT_EQ(mapped.DevicePixel(x, y), want) << x << "," << y;
        }
}

TEST(DibStretch, SamplesOutsideTheDibAreNotDrawn)
{
    const TestDib dib(4, 4);
    MemoryDC dc(10, 10, kBackground);
    // Columns -2..5 and stored rows 2..5: only columns 0..3 and stored rows
    // 2..3 (lines 0..1 from the top) exist.
    ASSERT_TRUE(dc.SetDIBitsToDevice(1, 1, 8, 4, -2, 2, dib.Bits()));
    for (int32_t y = 0; y < 10; ++y)
        for (int32_t x = 0; x < 10; ++x) {
            // Device line 1 shows stored row 5, line 3 stored row 3 (line 0).
            const bool inside = x >= 3 && x < 7 && y >= 3 && y < 5;
            EXPECT_EQ(dc.DevicePixel(x, y), inside ? TestDib::At(x - 3, y - 3) : kBackground) << x << "," << y;
        }
}

// Unscaled blocks are put straight from the DIB's rows: every placement of
// a block over and around the DIB shows exactly the pixels that exist.
TEST(DibStretch, UnscaledBlocksAnywhereShowJustTheDibsPixels)
{
    const TestDib dib(4, 3);
    for (int32_t sy = -4; sy <= 4; ++sy)
        for (int32_t sx = -5; sx <= 5; ++sx) {
            MemoryDC dc(12, 10, kBackground);
            ASSERT_TRUE(dc.StretchDIBits(3, 2, 5, 4, sx, sy, 5, 4, dib.Bits()));
            for (int32_t y = 0; y < 10; ++y)
                for (int32_t x = 0; x < 12; ++x) {
                    // Device line y shows stored row sy + 3 - (y - 2), column sx + x - 3.
                    const int32_t col = sx + x - 3, stored = sy + 3 - (y - 2);
                    const bool inside = x >= 3 && x < 8 && y >= 2 && y < 6 && col >= 0 && col < 4 && stored >= 0
                                     && stored < 3;
                    ASSERT_EQ(dc.DevicePixel(x, y), inside ? TestDib::At(col, 2 - stored) : kBackground)
                        << sx << "," << sy << " at " << x << "," << y;
                }
        }
}

TEST(DibStretch, UnusableArgumentsDrawNothing)
{
    const TestDib dib(4, 4);
    MemoryDC dc(8, 8, kBackground);
    EXPECT_FALSE(dc.StretchDIBits(0, 0, 4, 4, 0, 0, 0, 4, dib.Bits()));
    EXPECT_FALSE(dc.StretchDIBits(0, 0, 0, 4, 0, 0, 4, 4, dib.Bits()));
    EXPECT_FALSE(dc.StretchDIBits(0, 0, 4, 4, 0, 0, 4, 4, DibBits{4, -4, dib.Bits().bits}));
    EXPECT_FALSE(dc.SetDIBitsToDevice(0, 0, -4, 4, 0, 0, dib.Bits()));
    EXPECT_FALSE(dc.StretchDIBits(0, 0, 4, 4, 0, 0, 4, 4, DibBits{4, 4, nullptr}));
    for (int32_t y = 0; y < 8; ++y)
        for (int32_t x = 0; x < 8; ++x)
            EXPECT_EQ(dc.DevicePixel(x, y), kBackground);
}

// The blitter paints each tile's visible box with the source origin counted
// from the tile DIB's bottom row; the pieces must give the picture back.
TEST(DibStretch, TilesPlacedByBottomUpOriginsAssembleThePicture)
{
    const int32_t width = 23, height = 17, tile = 8, dx = 3, dy = -2;
    const TestDib picture(width, height);
    MemoryDC dc(30, 30, kBackground);
    const QnRect clip{2, 1, 19, 16};  // on the zoomed plane
    for (int32_t top = 0; top < height; top += tile)
        for (int32_t left = 0; left < width; left += tile) {
            // The tile DIB: tile x tile pixels of the picture from (left, top).
            std::vector<uint8_t> bits(size_t((tile * 3 + 3) / 4 * 4) * tile, 0);
            const DibBits tileBits{tile, tile, bits.data()};
            for (int32_t y = 0; y < tile && top + y < height; ++y)
                for (int32_t x = 0; x < tile && left + x < width; ++x) {
                    uint8_t* p = bits.data() + size_t(tile - 1 - y) * size_t(tileBits.RowBytes()) + size_t(x) * 3;
                    const QnColorRef c = TestDib::At(left + x, top + y);
                    p[0] = QnGetBValue(c);
                    p[1] = QnGetGValue(c);
                    p[2] = QnGetRValue(c);
                }
            const QnRect tileRect = QnIntersectRect(QnRect{left, top, left + tile, top + tile},
                                                    QnRect{0, 0, width, height});
            const QnRect visible = QnIntersectRect(tileRect, clip);
            if (visible.IsEmpty())
                continue;
            const QnRect box{visible.left - dx, visible.top - dy, visible.right - dx, visible.bottom - dy};
            const int32_t w = int32_t(box.Width()), h = int32_t(box.Height());
            dc.StretchDIBits(box.left, box.top, w, h, box.left + dx - left, tile + top - box.bottom - dy, w, h,
                             tileBits);
        }
    for (int32_t y = 0; y < 30; ++y)
        for (int32_t x = 0; x < 30; ++x) {
            const QnPoint zoomed{x + dx, y + dy};
            EXPECT_EQ(dc.DevicePixel(x, y), clip.Contains(zoomed) ? TestDib::At(zoomed.x, zoomed.y) : kBackground)
                << x << "," << y;
        }
}

} // namespace
