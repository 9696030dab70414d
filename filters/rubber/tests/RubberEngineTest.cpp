// The Rubber engine's stretch: the displacement field of a few drags
// against the formulas, the weights at the target and the edges, and
// parameter blocks that no dialog could have written.
#include "RubberReference.h"

#include "filters/rubber/RubberEngine.h"
#include "platform/MulDiv.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(RubberMulDiv, RoundsToNearestThroughA64BitProduct)
{
    struct Case {
        int32_t a, b, c, result;
    };
    const Case cases[] = {
        {7, 3, 2, 11},          {-7, 3, 2, -11},         {7, -3, -2, 11},       {5, 1, 3, 2},
        {4, 1, 3, 1},           {100000, 100000, 2, -1}, {1, 1, 0, -1},         {65536, 65536, 65536, 65536},
        {-16 * 37, 4096, 4096, -592}, {4096, 1, 4096, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::MulDiv(c.a, c.b, c.c), c.result) << c.a << " " << c.b << " " << c.c;
}

struct FieldCase {
    const char* name;
    int32_t width, height;
    RubberParams params;
};

void PrintTo(const FieldCase& c, std::ostream* out) { *out << c.name; }

class RubberFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(RubberFieldTest, DisplacesEveryPositionAsTheFormulasSay)
{
    const FieldCase& c = GetParam();
    RubberParams params = c.params;
    RubberEngine engine(nullptr, &params);
    engine.SetWorkSize(c.width, c.height);
    ASSERT_TRUE(engine.Begin());
    const RubberField field(c.width, c.height, params);
    EXPECT_EQ(engine.TargetX(), field.tx);
    EXPECT_EQ(engine.TargetY(), field.ty);
    // Every pixel, and the fractions between some of them, and positions
    // just outside the area, which are their own sources.
    for (int32_t y = -1; y <= c.height; ++y)
        for (int32_t x = -1; x <= c.width; ++x) {
            const int32_t x16 = 16 * x + (x % 4 == 1 ? 9 : 0), y16 = 16 * y + (y % 3 == 1 ? 5 : 0);
            int32_t sx16 = x16, sy16 = y16;
            engine.Displace(x16, y16, &sx16, &sy16);
            const auto expected = field.Source(x16, y16);
            ASSERT_EQ(std::make_pair(sx16, sy16), expected) << x16 << "," << y16;
        }
    // The target reads the grabbed point; the edges do not move.
    if (field.tx > 0 && field.tx < c.width && field.ty > 0 && field.ty < c.height) {
        int32_t sx16 = 0, sy16 = 0;
        engine.Displace(16 * field.tx, 16 * field.ty, &sx16, &sy16);
        EXPECT_EQ(sx16, 16 * field.gx);
        EXPECT_EQ(sy16, 16 * field.gy);
        EXPECT_EQ(engine.WeightX(field.tx), 4096);
        EXPECT_EQ(engine.WeightY(field.ty), 4096);
    }
    EXPECT_EQ(engine.WeightX(0), 0);
    EXPECT_EQ(engine.WeightY(0), 0);
    EXPECT_EQ(engine.WeightY(c.height), 0);
    engine.End();
}

INSTANTIATE_TEST_SUITE_P(
    Drags, RubberFieldTest,
    ::testing::Values(FieldCase{"NoDragIsTheIdentity", 40, 30, {0, 0, 500, 500, 0, 0}},
                      FieldCase{"RightAndUpFromTheMiddle", 64, 48, {250, -200, 500, 500, 0, 0}},
                      FieldCase{"LeftAndDownFromACorner", 53, 37, {-120, 310, 800, 150, 0, 0}},
                      FieldCase{"TallAndNarrow", 9, 120, {400, -450, 100, 900, 0, 0}},
                      FieldCase{"GrabOnTheEdgeIsMovedInside", 30, 30, {100, -100, 0, 1000, 0, 0}},
                      FieldCase{"OnePixelWide", 1, 20, {300, 300, 500, 500, 0, 0}},
                      FieldCase{"LargePicture", 1500, 900, {-333, 250, 170, 640, 0, 0}}),
    [](const ::testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

TEST(RubberEngine, ABlockNoDialogWroteIsHeldToTheDialogsRange)
{
    RubberParams wild{INT_MAX, INT_MIN, -5, 70000, 0, 0};
    RubberEngine engine(nullptr, &wild);
    engine.SetWorkSize(32767, 200);
    ASSERT_TRUE(engine.Begin());
    const RubberField field(32767, 200, RubberParams{1000, -1000, 0, 1000, 0, 0});
    EXPECT_EQ(engine.DragX(), field.dx);
    EXPECT_EQ(engine.DragY(), field.dy);
    for (int32_t x : {1, 100, 16000, 32000, 32766})
        for (int32_t y : {1, 50, 199}) {
            int32_t sx16 = 0, sy16 = 0;
            engine.Displace(16 * x, 16 * y, &sx16, &sy16);
            EXPECT_EQ(std::make_pair(sx16, sy16), field.Source(16 * x, 16 * y)) << x << "," << y;
        }
}

TEST(RubberEngine, WeightsFallFromTheTargetToBothEdges)
{
    EXPECT_EQ(RubberEngine::AxisWeight(10, 40, 10), 4096);
    EXPECT_EQ(RubberEngine::AxisWeight(40, 40, 10), 0);
    // Half way between edge and target on either side.
    EXPECT_EQ(RubberEngine::AxisWeight(5, 40, 10), 2048);
    EXPECT_EQ(RubberEngine::AxisWeight(25, 40, 10), 2048);
    // A target on the first column would divide 0 by 0 there.
    EXPECT_EQ(RubberEngine::AxisWeight(0, 40, 0), 4096);
}

} // namespace
