// The view's arithmetic without a window: the zoom ladder, fitting, the
// zoom a new picture opens with, the tile painted per paint event and the
// scroll bar layout with centring.
#include "editor/view/PaintBand.h"
#include "editor/view/ScrollBars.h"
#include "editor/view/ViewZoom.h"

#include <gtest/gtest.h>

TEST(ViewZoom, LadderStepsInAndOut)
{
    struct Case {
        ViewZoom from;
        ViewZoom in;
        ViewZoom out;
    };
    const Case cases[] = {
        {{1, 1}, {2, 1}, {1, 2}},   {{2, 1}, {4, 1}, {1, 1}},   {{16, 1}, {18, 1}, {12, 1}},
        {{18, 1}, {22, 1}, {14, 1}}, {{26, 1}, {30, 1}, {22, 1}}, {{30, 1}, {30, 1}, {26, 1}},
        {{1, 3}, {1, 1}, {1, 5}},   {{1, 18}, {1, 14}, {1, 22}}, {{1, 30}, {1, 26}, {1, 30}},
        {{1, 2}, {1, 1}, {1, 4}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ZoomInStep(c.from), c.in) << c.from.num << "/" << c.from.den;
        EXPECT_EQ(ZoomOutStep(c.from), c.out) << c.from.num << "/" << c.from.den;
    }
}

TEST(ViewZoom, FitNeverMagnifiesAndPicksTheSideThatFillsFirst)
{
    EXPECT_EQ(FitZoom(300, 200, 400, 400), (ViewZoom{1, 1}));
    EXPECT_EQ(FitZoom(1000, 300, 400, 400), (ViewZoom{1, 3}));
    EXPECT_EQ(FitZoom(300, 1000, 400, 400), (ViewZoom{1, 3}));
    EXPECT_EQ(FitZoom(6000, 4000, 1920, 1080), (ViewZoom{1, 4}));
    EXPECT_EQ(FitZoom(10, 10, 0, 0), (ViewZoom{1, 1}));
}

TEST(ViewZoom, OpenZoomIsEvenAndCoversTheRoom)
{
    EXPECT_EQ(OpenZoomDen(300, 100, 100, 100), 4);  // 3 times too large: 1/4
    EXPECT_EQ(OpenZoomDen(500, 100, 100, 100), 6);
    EXPECT_EQ(OpenZoomDen(200, 100, 100, 100), 2);
    EXPECT_EQ(OpenZoomDen(100, 100, 100, 100), 1);
    EXPECT_EQ(OpenZoomDen(100, 100, 0, 100), 1);
}

TEST(ViewZoom, TransformKeepsAxesApartAndNeverVanishes)
{
    const QnXFormXY xf = ZoomXForm(1001, 7, ViewZoom{1, 4});
    EXPECT_EQ(xf.XForm(QnRect{0, 0, 1001, 7}, 256), (QnRect{0, 0, 250, 1}));
    const QnXFormXY in = ZoomXForm(3, 5, ViewZoom{8, 1});
    EXPECT_EQ(in.XForm(QnRect{0, 0, 3, 5}, 256), (QnRect{0, 0, 24, 40}));
}

TEST(PaintBand, OnlyTheLowestLeftmostTileOfTheGrid)
{
    // Scrolled by (10, 20): the grid's lines lie at -10 + 128k and -20 + 128k.
    const QRegion update(0, 0, 400, 300);
    EXPECT_EQ(PaintBand(update, 10, 20), QRegion(0, 236, 118, 64));
    // A region inside one tile is painted whole.
    EXPECT_EQ(PaintBand(QRegion(5, 5, 45, 45), 0, 0), QRegion(5, 5, 45, 45));
    // Negative scroll positions (a centred picture) keep the grid on it.
    EXPECT_EQ(PaintBand(QRegion(100, 100, 300, 300), -100, -100), QRegion(100, 356, 128, 44));
    // Painting band after band consumes any region.
    QRegion rest(0, 0, 1000, 700);
    int rounds = 0;
    while (!rest.isEmpty()) {
        rest -= PaintBand(rest, 3, 3);
        ++rounds;
    }
    EXPECT_EQ(rounds, 8 * 6);
}

TEST(PaintBand, ManyPiecesGiveTheirPartInTheLowestLeftmostCell)
{
    // Rows of short runs, as a selection's outline has them, beside a tall
    // piece that reaches down into the lowest tile row from above.
    QRegion update(QRect(5, 0, 20, 260));
    for (int y = 100; y < 300; y += 2)
        for (int x = 40 + y % 7; x < 900; x += 9)
            update += QRect(x, y, 4, 1);
    QRegion rest = update;
    for (const int left : {0, 128, 256}) {
        const QRegion tile = PaintBand(rest, 0, 0);
        EXPECT_TRUE(tile.xored(update & QRect(left, 256, 128, 128)).isEmpty()) << left;
        rest -= tile;
    }
    // Without the short runs the tall piece's foot is the lowest row.
    EXPECT_EQ(PaintBand(QRegion(5, 0, 20, 260), 0, 0), QRegion(5, 256, 20, 4));
}

TEST(ScrollBars, BarsComeWithTheExtentAndSmallPicturesCentre)
{
    // Smaller than the client: no bars, negative positions that centre it.
    ScrollLayout l = LayOutScrollBars(100, 50, 400, 300, 16, 0, 0, true);
    EXPECT_FALSE(l.x.bar);
    EXPECT_FALSE(l.y.bar);
    EXPECT_EQ(l.x.position, -150);
    EXPECT_EQ(l.y.position, -125);
    EXPECT_EQ(LayOutScrollBars(100, 50, 400, 300, 16, 0, 0, false).x.position, 0);
    // Wider only: a horizontal bar, which then takes height from the client.
    l = LayOutScrollBars(1000, 290, 400, 300, 16, 900, 0, true);
    EXPECT_TRUE(l.x.bar);
    EXPECT_TRUE(l.y.bar);  // 290 no longer fits the 284 left
    EXPECT_EQ(l.x.client, 384);
    EXPECT_EQ(l.x.range, 616);
    EXPECT_EQ(l.x.position, 616);  // clamped
    l = LayOutScrollBars(1000, 200, 400, 300, 16, -5, 0, true);
    EXPECT_FALSE(l.y.bar);
    EXPECT_EQ(l.x.position, 0);
    EXPECT_EQ(l.y.position, -42);  // (200 - 284) / 2: centred in what the bar leaves
}
