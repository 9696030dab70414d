#include "drawctx/zvxform/XfolExcept.h"
#include "drawctx/zvxform/ZVXFORM.h"

#include <gtest/gtest.h>

TEST(XFFACT, PointPairsAndComposition)
{
    EXPECT_EQ(XFFACT(0, 1, 0, 1), XFFACT());
    const XFFACT twice(0, 1, 0, 2);   // x -> 2x
    const XFFACT plus3(0, 1, 3, 4);   // x -> x + 3
    EXPECT_EQ((twice * plus3).Map().XForm(1, QN_XF_NEAREST), 8); // twice(plus3(1))
    EXPECT_EQ((plus3 * twice).Map().XForm(1, QN_XF_NEAREST), 5);
    EXPECT_THROW(XFFACT(5, 5, 0, 1), xfol_overflow);
    XFFACT moved = twice;
    EXPECT_NE(moved.shift(4), 0);
    EXPECT_EQ(moved.Map().XForm(1, QN_XF_NEAREST), 6);
}

TEST(XFFACT, WholePixelShiftBetweenMaps)
{
    struct Case {
        XFFACT before, after;
        bool shift;
        int32_t d;
    };
    const Case cases[] = {
        {XFFACT(0, 10, 0, 10), XFFACT(5, 15, 0, 10), true, 5},    // picture moved 5 right
        {XFFACT(0, 10, 0, 20), XFFACT(-3, 7, 0, 20), true, -3},   // zoomed, moved 3 left
        {XFFACT(0, 10, 0, 20), XFFACT(0, 10, 1, 21), false, 0},   // half a client pixel
        {XFFACT(0, 10, 0, 10), XFFACT(0, 20, 0, 10), false, 0},   // another scale
        {XFFACT(0, 10, 10, 0), XFFACT(2, 12, 10, 0), true, 2},    // a mirrored axis
    };
    for (const Case& c : cases) {
        int32_t d = 0;
        EXPECT_EQ(c.after.IsShiftOf(c.before, d), c.shift);
        if (c.shift) {
            EXPECT_EQ(d, c.d);
        }
    }
    int32_t d = 0;
    // (x + 2e9) / 3 and (x - 2e9) / 3 differ by a move of 4e9 pixels.
    const XFFACT high(QnXForm(1, 2000000000, 3));
    const XFFACT low(QnXForm(1, -2000000000, 3));
    EXPECT_THROW(low.IsShiftOf(high, d), xfol_castoverflow);
}

TEST(ZVXFORM, RectanglesOfAMirroredAxisComeOutOrdered)
{
    // Client (0..40, 0..20) shows a 20 x 10 picture upright at 2:1.
    const ZVXFORM xf(QnRect{0, 0, 40, 20}, QnRect{0, 10, 20, 0});
    QnRect r{0, 0, 20, 10};
    xf.RevXForm(r, ZVXF_RECT_NEAREST);
    EXPECT_EQ(r, (QnRect{0, 0, 40, 20}));
    QnRect bottomRow{0, 0, 20, 1};
    xf.RevXForm(bottomRow, ZVXF_RECT_NEAREST);
    EXPECT_EQ(bottomRow, (QnRect{0, 18, 40, 20}));
    QnPoint p{39, 0};
    xf.XForm(p, QN_XF_CENTRE);
    EXPECT_EQ(p, (QnPoint{19, 9}));
}
