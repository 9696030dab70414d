// Conversions between sketch and device units.
#include <gtest/gtest.h>

#include "tasks/sketch/CVScale.h"

namespace {

TEST(CVScale, InitSetsBothAxes)
{
    CVScale s;
    s.Init(150);
    EXPECT_EQ(s.originX, 0);
    EXPECT_EQ(s.originY, 0);
    EXPECT_EQ(s.xDen, 100);
    EXPECT_EQ(s.xNum, 150);
    EXPECT_EQ(s.yDen, 100);
    EXPECT_EQ(s.yNum, 150);
}

TEST(CVScale, ToDeviceRoundsToNearestAndBackTruncates)
{
    struct Case {
        int32_t percent;
        int32_t sketch;
        int32_t device;  // (v * n + 50) / 100
        int32_t back;    // device * 100 / n
    };
    const Case cases[] = {
        {100, 7, 7, 7},   {50, 3, 2, 4},     {50, 1, 1, 2},   {33, 10, 3, 9},
        {250, 3, 8, 3},   {50, -3, -1, -2},  {150, 0, 0, 0},  {1, 49, 0, 0},
    };
    for (const Case& c : cases) {
        CVScale s;
        s.Init(c.percent);
        EXPECT_EQ(s.ToDevice(QnPoint{c.sketch, c.sketch}), (QnPoint{c.device, c.device})) << c.percent << " " << c.sketch;
        EXPECT_EQ(s.LengthToDevice(c.sketch), c.device);
        EXPECT_EQ(s.ToSketch(QnPoint{c.device, c.device}), (QnPoint{c.back, c.back}));
        EXPECT_EQ(s.LengthToSketch(c.device), c.back);
    }
}

TEST(CVScale, AxesAndRectanglesConvertCornerByCorner)
{
    CVScale s;
    s.xNum = 200;
    s.xDen = 100;
    s.yNum = 1;
    s.yDen = 2;
    EXPECT_EQ(s.ToDevice(QnRect{1, 3, 5, 7}), (QnRect{2, 2, 10, 4}));
    EXPECT_EQ(s.ToSketch(QnRect{2, 2, 10, 4}), (QnRect{1, 4, 5, 8}));
}

TEST(CVScale, ZeroRatioAndLargeValuesNeitherTrapNorWrap)
{
    CVScale s;
    s.Init(0);
    EXPECT_EQ(s.ToDevice(QnPoint{1000, 1000}), (QnPoint{0, 0}));
    EXPECT_EQ(s.ToSketch(QnPoint{5, 5}), (QnPoint{500, 500}));  // a zero numerator divides by 1
    s.Init(1000);
    EXPECT_EQ(s.LengthToDevice(100000000), 1000000000);
}

}  // namespace
