#include "blt/Blt.h"
#include "BltTestSupport.h"
#include "TestPicture.h"
#include "render/tests/RecordingProgress.h"

#include <gtest/gtest.h>

using namespace blttest;

namespace {

// A collection that drops caches takes every tile; the next draw makes
// again only the tiles it shows, each rendered whole. A collection that
// keeps caches keeps them.
TEST(BltCollect, DroppingCachesEmptiesTheTilesAndTheNextDrawRebuildsOnlyWhatItShows)
{
    auto picture = MakePicture(600, 400, 0);
    QnBlt blt;
    MemoryDC dc(600, 400, kBackground);
    blt.Draw(dc, WholeDevice(dc), PpQnRenderObj(picture), 0, 0, QnXFormXY(), QnXFormXY(), 0, nullptr);
    EXPECT_EQ(blt.CachedTiles(), 20);

    QnObj::CollectGarbage(QnObj::DF_FIX, -1);
    EXPECT_EQ(blt.CachedTiles(), 20);
    int32_t deleted = 0, dropped = 0;
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1, &deleted, &dropped);
    EXPECT_EQ(blt.CachedTiles(), 0);
    EXPECT_GE(dropped, 20);

    picture->requests.clear();
    MemoryDC fresh(600, 400, kBackground);
    const QnRgn clip = QnRgn(QnRect{130, 140, 250, 200}) + QnRgn(QnRect{520, 300, 530, 310});
    blt.Draw(fresh, clip, PpQnRenderObj(picture), 0, 0, QnXFormXY(), QnXFormXY(), 0, nullptr);
    EXPECT_EQ(blt.CachedTiles(), 2);
    EXPECT_EQ(picture->requests, (std::vector<QnRect>{{512, 256, 600, 384}, {128, 128, 256, 256}}));
    const Expected expected{PpQnRenderObj(picture), QnXFormXY()};
    EXPECT_EQ(CountWrongPixels(fresh, expected, 0, 0, clip), 0);
}

// An abort ends the draw quietly. A tile made in that draw and not finished
// stays out of date, so a later draw cannot show its unrendered bits, also
// when the tile was made again after a collection took the old one.
TEST(BltCollect, AnAbortedDrawLeavesTheBlitterUsableAndNewTilesOutOfDate)
{
    auto picture = MakePicture(200, 150);
    const QnXFormXY zoom = Zoom(2, 1);
    const Expected expected{PpQnRenderObj(picture), zoom};
    QnBlt blt;
    MemoryDC dc(400, 300, kBackground);
    const QnRgn all = WholeDevice(dc);

    RecordingProgress early(100);
    early.abortAfter = 0;
    blt.Draw(dc, all, PpQnRenderObj(picture), 0, 0, zoom, QnXFormXY(), 0, &early);
    EXPECT_EQ(blt.InvalidRgn(), QnRgn(QnRect{0, 0, 400, 300}));

    RecordingProgress later(100);
    later.abortAfter = 200; // a few tiles' rows in
    blt.Draw(dc, all, PpQnRenderObj(picture), 0, 0, zoom, QnXFormXY(), 0, &later);
    EXPECT_TRUE(blt.InvalidRgn());
    blt.Draw(dc, all, PpQnRenderObj(picture), 0, 0, zoom, QnXFormXY(), 0, nullptr);
    EXPECT_FALSE(blt.InvalidRgn());
    EXPECT_EQ(CountWrongPixels(dc, expected, 0, 0, all), 0);

    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    blt.Draw(dc, all, PpQnRenderObj(picture), 0, 0, zoom, QnXFormXY(), 0, &early);
    EXPECT_EQ(blt.InvalidRgn(), QnRgn(QnRect{0, 256, 128, 300})); // the first tile drawn: last row, first column
    MemoryDC fresh(400, 300, kBackground);
    blt.Draw(fresh, all, PpQnRenderObj(picture), 0, 0, zoom, QnXFormXY(), 0, nullptr);
    EXPECT_EQ(CountWrongPixels(fresh, expected, 0, 0, all), 0);
}

} // namespace
