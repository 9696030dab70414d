#include "render/CalcRect.h"

#include "ExpectRaise.h"

#include <gtest/gtest.h>

TEST(QnCalcRect, BlockStartsAtTheAnchorOrEndsAtTheEdge)
{
    const struct {
        QnPoint anchor;
        QnRect rect;
        QnRect block;
    } cases[] = {
        {{0, 0}, {0, 0, 100, 30}, {0, 0, 64, 30}},
        {{70, 0}, {0, 0, 100, 30}, {36, 0, 100, 30}}, // last 64 columns
        {{90, 5}, {0, 0, 100, 100}, {36, 5, 100, 69}},
        {{10, 10}, {0, 0, 40, 40}, {0, 0, 40, 40}}, // narrower than a block
        {{36, 0}, {0, 0, 100, 1}, {36, 0, 100, 1}},
        {{-5, -70}, {-10, -100, 200, 0}, {-5, -70, 59, -6}},
        {{-5, -30}, {-10, -100, 200, 0}, {-5, -64, 59, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "anchor " << c.anchor.x << "," << c.anchor.y);
        EXPECT_EQ(QnCalcRect(c.anchor, c.rect, 64, 64), c.block);
    }
}

TEST(QnCalcRect, AnchorOutsideRaises)
{
    EXPECT_RAISES(QnCalcRect({100, 0}, {0, 0, 100, 10}, 64, 64), "Bad rectangle request");
    EXPECT_RAISES(QnCalcRect({0, 10}, {0, 0, 100, 10}, 64, 64), "Bad rectangle request");
    EXPECT_RAISES(QnCalcRect({0, 0}, {0, 0, 0, 0}, 64, 64), "Bad rectangle request");
}
