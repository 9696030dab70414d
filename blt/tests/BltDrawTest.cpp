#include "blt/Blt.h"
#include "BltTestSupport.h"
#include "TestPicture.h"

#include <gtest/gtest.h>

using namespace blttest;

namespace {

struct ZoomCase {
    const char* name;
    int32_t num;
    uint32_t den;
    int32_t dx; // scroll offsets that put the picture's edges and middle on screen
    int32_t dy;
};

void PrintTo(const ZoomCase& c, std::ostream* os) { *os << c.name; }

class BltZoom : public ::testing::TestWithParam<ZoomCase> {};

// The screen drawn through the tile cache is the stretch of the picture,
// pixel for pixel, with the background left alone around it; a second draw
// renders nothing and shows the same.
TEST_P(BltZoom, DrawShowsTheStretchExactlyAndRedrawRendersNothing)
{
    const ZoomCase& c = GetParam();
    auto picture = MakePicture(701, 503);
    const QnXFormXY zoom = Zoom(c.num, c.den);
    const Expected expected{PpQnRenderObj(picture), zoom};

    QnBlt blt;
    MemoryDC dc(420, 310, kBackground);
    const QnRgn all = WholeDevice(dc);
    blt.Draw(dc, all, PpQnRenderObj(picture), c.dx, c.dy, zoom, QnXFormXY(), 0, nullptr);
    EXPECT_EQ(blt.Bounds(), expected.bounds);
    EXPECT_EQ(CountWrongPixels(dc, expected, c.dx, c.dy, all), 0);
    EXPECT_FALSE(picture->requests.empty());

    picture->requests.clear();
    MemoryDC again(420, 310, kBackground);
    blt.Draw(again, all, PpQnRenderObj(picture), c.dx, c.dy, zoom, QnXFormXY(), 0, nullptr);
    EXPECT_TRUE(picture->requests.empty());
    EXPECT_EQ(CountWrongPixels(again, expected, c.dx, c.dy, all), 0);
}

INSTANTIATE_TEST_SUITE_P(Zooms, BltZoom,
                         ::testing::Values(ZoomCase{"quarter", 1, 4, -30, -40}, ZoomCase{"one", 1, 1, 350, 270},
                                           ZoomCase{"three", 3, 1, 901, 611}),
                         [](const auto& info) { return std::string(info.param.name); });

// A printer's context maps logical units onto more device pixels. Drawn
// tile by tile through an integral isotropic scale the screen equals the
// whole zoomed picture stretched once; through a fractional one every
// device pixel under the drawn area is still painted (no seams between
// tiles).
TEST(BltMapping, TilesThroughAnIsotropicScaleMeetWithoutSeams)
{
    auto picture = MakePicture(150, 90);
    const QnXFormXY zoom = Zoom(3, 2);
    const Expected expected{PpQnRenderObj(picture), zoom};
    const std::vector<uint8_t> whole = expected.DibBytes();
    const DibBits wholeBits{int32_t(expected.bounds.Width()), int32_t(expected.bounds.Height()), whole.data()};
    const int32_t dx = -20, dy = -7;

    for (const int32_t viewportExt : {200, 150}) {
        SCOPED_TRACE(viewportExt);
        auto map = [&](DeviceContext& dc) {
            dc.Mapping().SetMapMode(QN_MM_ISOTROPIC);
            dc.Mapping().SetWindowExt(QnPoint{100, 100});
            dc.Mapping().SetViewportExt(QnPoint{viewportExt, viewportExt});
        };
        QnBlt blt(50, 40);
        MemoryDC dc(500, 300, kBackground);
        map(dc);
        const QnRgn clip(QnRect{-100, -100, 1000, 1000});
        blt.Draw(dc, clip, PpQnRenderObj(picture), dx, dy, zoom, QnXFormXY(), 0, nullptr);

        const QnRect shown = dc.Mapping().LPtoDP(QnRect{expected.bounds.left - dx, expected.bounds.top - dy,
                                                        expected.bounds.right - dx, expected.bounds.bottom - dy});
        if (viewportExt == 200) {
            MemoryDC reference(500, 300, kBackground);
            map(reference);
            reference.StretchDIBits(shown.left / 2, shown.top / 2, wholeBits.width, wholeBits.height, 0, 0,
                                    wholeBits.width, wholeBits.height, wholeBits);
            int64_t wrong = 0;
            for (int32_t y = 0; y < 300; ++y)
                for (int32_t x = 0; x < 500; ++x)
                    wrong += dc.DevicePixel(x, y) != reference.DevicePixel(x, y);
            EXPECT_EQ(wrong, 0);
        } else {
            int64_t unpainted = 0;
            for (int32_t y = std::max(shown.top, 0); y < std::min(shown.bottom, 300); ++y)
                for (int32_t x = std::max(shown.left, 0); x < std::min(shown.right, 500); ++x)
                    unpainted += dc.DevicePixel(x, y) == kBackground;
            EXPECT_EQ(unpainted, 0);
            EXPECT_EQ(dc.DevicePixel(shown.right, shown.top), kBackground);
            EXPECT_EQ(dc.DevicePixel(shown.left, shown.bottom), kBackground);
        }
    }
}

TEST(BltTiles, SizesOfZeroOrLessBecome128)
{
    const struct {
        int32_t w, h, wantW, wantH;
    } cases[] = {{0, 0, 128, 128}, {-5, 64, 128, 64}, {1, -1, 1, 128}, {200, 30, 200, 30}};
    for (const auto& c : cases) {
        const QnBlt blt(c.w, c.h);
        EXPECT_EQ(blt.TileWidth(), c.wantW);
        EXPECT_EQ(blt.TileHeight(), c.wantH);
    }
    const QnBlt standard;
    EXPECT_EQ(standard.TileWidth(), 128);
    EXPECT_EQ(standard.TileHeight(), 128);
}

TEST(BltClip, AClipThatMissesTheObjectRendersAndPaintsNothing)
{
    auto picture = MakePicture(100, 100);
    QnBlt blt(32, 32);
    MemoryDC dc(200, 200, kBackground);
    const QnRgn beside(QnRect{120, 0, 200, 200});
    blt.Draw(dc, beside, PpQnRenderObj(picture), 0, 0, QnXFormXY(), QnXFormXY(), 0, nullptr);
    EXPECT_TRUE(picture->requests.empty());
    EXPECT_EQ(blt.CachedTiles(), 0);
    const Expected expected{PpQnRenderObj(picture), QnXFormXY()};
    EXPECT_EQ(CountWrongPixels(dc, expected, 0, 0, QnRgn()), 0);
}

} // namespace
