// The engine of Pinch, Punch, Wave and Whirl: the run's constants, the
// sine table and every filter's displacement field against the formulas,
// the places each form leaves alone, and blocks no dialog could have
// written.
#include "AnalyticReference.h"

#include "filters/rubber/AnalyticWarpEngine.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using Engine = AnalyticWarpEngine;

// An engine begun on a work area of width x height.
struct Begun {
    Begun(int32_t width, int32_t height, SevenLongParams p) : params(p), engine(nullptr, &params)
    {
        engine.SetWorkSize(width, height);
        ok = engine.Begin();
    }
    std::pair<int32_t, int32_t> Source(int32_t x16, int32_t y16)
    {
        int32_t sx = x16, sy = y16;
        engine.Displace(x16, y16, &sx, &sy);
        return {sx, sy};
    }
    SevenLongParams params;
    Engine engine;
    bool ok = false;
};

SevenLongParams Block(int32_t type, int32_t mode, int32_t strength, int32_t size)
{
    return SevenLongParams{strength, size, type, mode, 0, 0, 0};
}

TEST(AnalyticSine, QuarterTableAndItsFourQuadrants)
{
    SineTable4096 table;
    ASSERT_TRUE(table.Build());
    const AnalyticField ref(10, 10, 0, 0, 1, 1);
    EXPECT_EQ(table.Entry(0), 0);
    // pi taken as 3.1415 never quite reaches the top.
    EXPECT_EQ(table.Entry(1024), 4095);
    EXPECT_EQ(table.Entry(512), 2896);
    for (int32_t i = 0; i < SineTable4096::kEntries; ++i)
        ASSERT_EQ(table.Entry(i), ref.T[i]) << i;
    for (int32_t t = 0; t < 3 * 25736; t += 13) {
        ASSERT_EQ(table.Sin(t), ref.Sin(t)) << t;
        ASSERT_EQ(table.Cos(t), ref.Cos(t)) << t;
    }
    EXPECT_EQ(table.Sin(6434), 4095);
    EXPECT_EQ(table.Sin(12868), 0);
    EXPECT_EQ(table.Sin(19302), -4095);
    EXPECT_EQ(table.Cos(0), 4095);
    EXPECT_EQ(table.Sin(25736 + 100), table.Sin(100));
}

TEST(AnalyticConstants, FollowTheWorkSizeStrengthAndSize)
{
    struct Case {
        int32_t w, h, s, n;
    };
    for (const Case& c : {Case{40, 30, 25, 3}, Case{180, 120, 50, 50}, Case{7, 300, 1, 1}, Case{1500, 900, 100, 10}}) {
        const Engine::Constants k = Engine::ConstantsOf(c.w, c.h, c.s, c.n);
        const AnalyticField ref(c.w, c.h, 0, 0, c.s, c.n);
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " S " << c.s << " N " << c.n);
        EXPECT_EQ(k.cx, ref.cx);
        EXPECT_EQ(k.cy, ref.cy);
        EXPECT_EQ(k.rx, ref.RX);
        EXPECT_EQ(k.ry, ref.RY);
        EXPECT_EQ(k.e, ref.E);
        EXPECT_EQ(k.m, ref.M);
        EXPECT_EQ(k.dx, ref.DX);
        EXPECT_EQ(k.dy, ref.DY);
        EXPECT_EQ(k.px, ref.PX);
        EXPECT_EQ(k.py, ref.PY);
        EXPECT_EQ(k.ax, ref.AX);
        EXPECT_EQ(k.ay, ref.AY);
        EXPECT_EQ(k.ar, ref.AR);
        EXPECT_EQ(k.k, ref.K);
    }
    // 40 x 30: E = sqrt(64 * 2500) = 400, M = 3 * 400 * 25 / 25.
    EXPECT_EQ(Engine::ConstantsOf(40, 30, 25, 3).e, 400);
    EXPECT_EQ(Engine::ConstantsOf(40, 30, 25, 3).m, 1200);
}

struct FieldCase {
    const char* name;
    int32_t type, mode, width, height, strength, size;
};

void PrintTo(const FieldCase& c, std::ostream* out) { *out << c.name; }

class AnalyticFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(AnalyticFieldTest, DisplacesEveryPositionAsTheFormulasSay)
{
    const FieldCase& c = GetParam();
    Begun run(c.width, c.height, Block(c.type, c.mode, c.strength, c.size));
    ASSERT_TRUE(run.ok);
    const AnalyticField field(c.width, c.height, c.type, c.mode, c.strength, c.size);
    // Large pictures are walked in steps; every step meets fractions.
    const int32_t step = c.width * c.height > 100000 ? 7 : 1;
    int32_t moved = 0;
    for (int32_t y = 0; y < c.height; y += step)
        for (int32_t x = 0; x < c.width; x += step) {
            const int32_t x16 = 16 * x + (x % 4 == 1 ? 9 : 0), y16 = 16 * y + (y % 3 == 1 ? 5 : 0);
            const auto source = run.Source(x16, y16);
            ASSERT_EQ(source, field.Source(x16, y16)) << x16 << "," << y16;
            moved += source != std::make_pair(x16, y16);
        }
    // Each form moves a good part of the picture.
    EXPECT_GT(moved, c.width * c.height / (step * step) / 10);
    run.engine.End();
}

INSTANTIATE_TEST_SUITE_P(
    Forms, AnalyticFieldTest,
    ::testing::Values(FieldCase{"PinchAlongX", 0, 0, 40, 30, 25, 10}, FieldCase{"PinchAlongYWeakest", 0, 1, 33, 47, 1, 10},
                      FieldCase{"PinchRadial", 0, 2, 48, 36, 50, 10}, FieldCase{"PinchRadialTall", 0, 2, 20, 61, 10, 3},
                      FieldCase{"PunchAlongX", 1, 0, 40, 30, 25, 10}, FieldCase{"PunchAlongY", 1, 1, 35, 28, 50, 10},
                      FieldCase{"PunchRadial", 1, 2, 50, 40, 5, 10}, FieldCase{"WaveVertical", 2, 0, 40, 30, 25, 3},
                      FieldCase{"WaveHorizontalOneWave", 2, 1, 41, 29, 50, 1},
                      FieldCase{"WaveRadial", 2, 2, 60, 45, 40, 5}, FieldCase{"WaveFiftyWaves", 2, 0, 64, 64, 50, 50},
                      FieldCase{"WhirlClockwise", 3, 0, 48, 36, 50, 10},
                      FieldCase{"WhirlCounterclockwiseStrongest", 3, 1, 37, 52, 100, 10},
                      FieldCase{"WhirlWeakest", 3, 0, 40, 40, 1, 10},
                      FieldCase{"WhirlLargePicture", 3, 1, 1500, 900, 70, 10},
                      FieldCase{"PinchRadialLargePicture", 0, 2, 1200, 1300, 30, 10}),
    [](const ::testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

TEST(AnalyticField, PinchAndPunchKeepTheBorderLinesWhereTheFactorIsOne)
{
    const int32_t w = 40, h = 30;
    for (int32_t type : {0, 1}) {
        Begun x(w, h, Block(type, 0, 20, 10));
        Begun y(w, h, Block(type, 1, 20, 10));
        ASSERT_TRUE(x.ok && y.ok);
        // |dx| = RX half a pixel inside either edge.
        for (int32_t row16 : {0, 100, 16 * h - 1}) {
            EXPECT_EQ(x.Source(8, row16), std::make_pair(8, row16)) << type;
            EXPECT_EQ(x.Source(16 * w - 8, row16), std::make_pair(16 * w - 8, row16)) << type;
            EXPECT_EQ(y.Source(row16, 8), std::make_pair(row16, 8)) << type;
            EXPECT_EQ(y.Source(row16, 16 * h - 8), std::make_pair(row16, 16 * h - 8)) << type;
        }
        // The centre stays and the rest moves: in for Pinch, out for Punch.
        EXPECT_EQ(x.Source(8 * w, 77), std::make_pair(8 * w, 77));
        const int32_t sx = x.Source(8 * w + 80, 0).first;
        EXPECT_TRUE(type == 0 ? sx > 8 * w + 80 : sx < 8 * w + 80) << type << " " << sx;
    }
}

TEST(AnalyticField, WhirlLeavesTheCentreAndAllOutsideTheEllipse)
{
    const int32_t w = 60, h = 40;
    for (int32_t mode : {0, 1}) {
        Begun run(w, h, Block(3, mode, 80, 10));
        ASSERT_TRUE(run.ok);
        EXPECT_EQ(run.Source(8 * w, 8 * h), std::make_pair(8 * w, 8 * h));
        for (auto [x, y] : {std::pair{0, 0}, {16 * w - 1, 0}, {0, 16 * h - 1}, {16 * w - 1, 16 * h - 1}, {30, 40}})
            EXPECT_EQ(run.Source(x, y), std::make_pair(x, y));
        // Just inside the rim the turn is nearly nothing; near the centre
        // it is large.
        const auto nearCentre = run.Source(8 * w + 32, 8 * h);
        EXPECT_NE(nearCentre, std::make_pair(8 * w + 32, 8 * h));
    }
    // The two senses turn opposite ways.
    Begun cw(w, h, Block(3, 0, 30, 10)), ccw(w, h, Block(3, 1, 30, 10));
    const int32_t x = 8 * w + 120, y = 8 * h;
    EXPECT_EQ(cw.Source(x, y).first, ccw.Source(x, y).first);
    EXPECT_EQ(cw.Source(x, y).second - y, -(ccw.Source(x, y).second - y));
}

TEST(AnalyticField, OneWaveAcrossTheWidthFollowsOneSinePeriod)
{
    const int32_t w = 41, h = 20;
    Begun run(w, h, Block(2, 1, 50, 1));
    ASSERT_TRUE(run.ok);
    const int32_t ax = run.engine.Run().ax;
    EXPECT_EQ(ax, ((w * 50) / 1 / 50) * 8);
    EXPECT_EQ(run.Source(0, 0).first, 0);          // sin 0
    EXPECT_EQ(run.Source(16 * 20, 0).first, 16 * 20); // half way: sin of a half turn
    // A quarter of the way the shift is the whole amplitude (less the
    // table's top), and it falls back to 0 at the last column.
    EXPECT_EQ(run.Source(16 * 10, 0).first, 16 * 10 + 4095 * ax / 4096);
    EXPECT_EQ(run.Source(16 * 40, 0).first, 16 * 40);
}

TEST(AnalyticEngine, BlocksNoDialogWroteNeitherFailNorDivideByZero)
{
    // Strength and size 0 count as 1; no form for the type or mode leaves
    // every position in place; pictures of one row or column have no
    // period and no radius to divide by.
    EXPECT_EQ(Engine::ConstantsOf(40, 30, 0, 0).m, Engine::ConstantsOf(40, 30, 1, 1).m);
    EXPECT_EQ(Engine::ConstantsOf(40, 30, INT_MAX, INT_MIN).ax, Engine::ConstantsOf(40, 30, 100, 1).ax);
    struct Case {
        int32_t w, h;
        SevenLongParams p;
        bool identity;
    };
    const Case cases[] = {
        {40, 30, Block(3, 2, 50, 10), true},  {40, 30, Block(3, -1, 50, 10), true},
        {40, 30, Block(0, 3, 50, 10), true},  {40, 30, Block(7, 0, 50, 10), true},
        {40, 30, Block(2, 0, 0, 0), false},   {1, 30, Block(2, 1, 50, 10), true},
        {30, 1, Block(2, 0, 50, 10), true},   {1, 1, Block(3, 0, 50, 10), true},
        {1, 25, Block(0, 2, 50, 10), false},  {25, 1, Block(2, 2, 50, 10), false},
        {2, 2, Block(1, 2, 100, 50), false},  {40, 30, Block(2, 1, INT_MAX, INT_MAX), false},
    };
    for (const Case& c : cases) {
        Begun run(c.w, c.h, c.p);
        ASSERT_TRUE(run.ok);
        bool identity = true;
        for (int32_t y = 0; y < 16 * c.h; y += 3)
            for (int32_t x = 0; x < 16 * c.w; x += 5)
                identity = identity && run.Source(x, y) == std::make_pair(x, y);
        if (c.identity) {
            EXPECT_TRUE(identity) << c.w << "x" << c.h << " type " << c.p.type << " mode " << c.p.direction;
        }
    }
    // Before Begin and after End nothing moves.
    SevenLongParams p = Block(3, 0, 50, 10);
    Engine idle(nullptr, &p);
    int32_t sx = 33, sy = 44;
    idle.Displace(33, 44, &sx, &sy);
    EXPECT_EQ(std::make_pair(sx, sy), std::make_pair(33, 44));
    Begun ended(40, 30, p);
    ended.engine.End();
    EXPECT_EQ(ended.Source(8 * 40 + 50, 8 * 30), std::make_pair(8 * 40 + 50, 8 * 30));
}

} // namespace
