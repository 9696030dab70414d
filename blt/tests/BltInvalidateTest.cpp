#include "blt/Blt.h"
#include "BltTestSupport.h"
#include "TestPicture.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace blttest;

namespace {

std::vector<QnRect> Sorted(std::vector<QnRect> v)
{
    std::sort(v.begin(), v.end(), QnRectBefore);
    return v;
}

// At zoom 1 with a picture that answers every request whole, each box the
// blitter renders reaches the picture as one request: the requests are the
// boxes.
TEST(BltInvalidate, OnlyTheVisibleOutOfDatePartsOfTouchedTilesAreRendered)
{
    auto picture = MakePicture(600, 400, 0);
    QnBlt blt;
    MemoryDC dc(600, 400, kBackground);
    const QnRgn all = WholeDevice(dc);
    blt.Draw(dc, all, PpQnRenderObj(picture), 0, 0, QnXFormXY(), QnXFormXY(), 0, nullptr);
    EXPECT_EQ(picture->requests.size(), 20u); // 5 x 4 tiles of 128

    const QnRect changed{100, 100, 140, 300};
    picture->Paint(changed, 5);
    blt.InvalidateBits(&changed);
    picture->requests.clear();

    // Only the left part of the change is visible: only it is rendered.
    const QnRgn left(QnRect{0, 0, 120, 400});
    blt.Draw(dc, left, PpQnRenderObj(picture), 0, 0, QnXFormXY(), QnXFormXY(), 0, nullptr);
    EXPECT_EQ(Sorted(picture->requests),
              Sorted({{100, 100, 120, 128}, {100, 128, 120, 256}, {100, 256, 120, 300}}));
    EXPECT_EQ(blt.InvalidRgn(), QnRgn(QnRect{120, 100, 140, 300}));

    picture->requests.clear();
    blt.Draw(dc, all, PpQnRenderObj(picture), 0, 0, QnXFormXY(), QnXFormXY(), 0, nullptr);
    EXPECT_EQ(Sorted(picture->requests),
              Sorted({{120, 100, 128, 128}, {128, 100, 140, 128}, {120, 128, 128, 256}, {128, 128, 140, 256},
                      {120, 256, 128, 300}, {128, 256, 140, 300}}));
    EXPECT_FALSE(blt.InvalidRgn());
    const Expected expected{PpQnRenderObj(picture), QnXFormXY()};
    EXPECT_EQ(CountWrongPixels(dc, expected, 0, 0, all), 0);
}

struct ZoomCase {
    int32_t num;
    uint32_t den;
};

void PrintTo(const ZoomCase& c, std::ostream* os) { *os << c.num << "/" << c.den; }

class BltInvalidateZoom : public ::testing::TestWithParam<ZoomCase> {};

// A change of one picture pixel, invalidated in the picture's coordinates,
// reaches every screen pixel that samples it, whatever the zoom rounds.
TEST_P(BltInvalidateZoom, ASinglePixelChangeShowsAfterItsInvalidation)
{
    auto picture = MakePicture(97, 61, 16);
    const QnXFormXY zoom = Zoom(GetParam().num, GetParam().den);
    QnBlt blt(24, 20);
    const QnRect bounds = Expected{PpQnRenderObj(picture), zoom}.bounds;
    MemoryDC dc(int32_t(bounds.Width()), int32_t(bounds.Height()), kBackground);
    const QnRgn all = WholeDevice(dc);
    blt.Draw(dc, all, PpQnRenderObj(picture), 0, 0, zoom, QnXFormXY(), 0, nullptr);

    uint8_t tag = 1;
    for (int32_t y = 0; y < 61; y += 3)
        for (int32_t x = y % 5; x < 97; x += 7) {
            const QnRect pixel{x, y, x + 1, y + 1};
            picture->Paint(pixel, tag++);
            blt.InvalidateBits(&pixel);
        }
    blt.Draw(dc, all, PpQnRenderObj(picture), 0, 0, zoom, QnXFormXY(), 0, nullptr);
    const Expected expected{PpQnRenderObj(picture), zoom};
    EXPECT_EQ(CountWrongPixels(dc, expected, 0, 0, all), 0);
}

INSTANTIATE_TEST_SUITE_P(Zooms, BltInvalidateZoom,
                         ::testing::Values(ZoomCase{1, 4}, ZoomCase{2, 3}, ZoomCase{1, 1}, ZoomCase{3, 2},
                                           ZoomCase{3, 1}));

// A new zoom or new bounds make the cached tiles useless: every visible tile
// is rendered afresh. InvalidatePalette renders everything again into the
// tiles it has; ForceFullRepaint lets go of them.
TEST(BltInvalidate, NewZoomOrBoundsRebuildThePaletteRerendersForceFullRepaintDrops)
{
    auto picture = MakePicture(300, 200, 0);
    // Tiles of the stretch's block size: one request per tile at any zoom.
    QnBlt blt(64, 64);
    auto draw = [&](const QnXFormXY& zoom) {
        MemoryDC dc(300, 200, kBackground);
        const QnRgn all = WholeDevice(dc);
        picture->requests.clear();
        blt.Draw(dc, all, PpQnRenderObj(picture), 0, 0, zoom, QnXFormXY(), 0, nullptr);
        const size_t rendered = picture->requests.size();
        const Expected expected{PpQnRenderObj(picture), zoom};
        EXPECT_EQ(CountWrongPixels(dc, expected, 0, 0, all), 0);
        return rendered;
    };

    EXPECT_EQ(draw(QnXFormXY()), 20u);
    EXPECT_EQ(draw(Zoom(1, 2)), 6u); // 150 x 100: 3 x 2 tiles
    EXPECT_EQ(blt.Bounds(), (QnRect{0, 0, 150, 100}));
    EXPECT_EQ(blt.CachedTiles(), 6);
    picture->SetSize(300, 270);
    EXPECT_EQ(draw(Zoom(1, 2)), 9u);
    EXPECT_EQ(blt.Bounds(), (QnRect{0, 0, 150, 135}));
    EXPECT_EQ(draw(Zoom(1, 2)), 0u);

    blt.InvalidatePalette();
    EXPECT_EQ(blt.CachedTiles(), 9);
    EXPECT_EQ(draw(Zoom(1, 2)), 9u);

    blt.ForceFullRepaint();
    EXPECT_EQ(blt.CachedTiles(), 0);
    EXPECT_EQ(blt.Bounds(), QnRect{});
    blt.InvalidateBits(nullptr); // without a cache: nothing to mark
    EXPECT_EQ(draw(Zoom(1, 2)), 9u);
}

} // namespace
