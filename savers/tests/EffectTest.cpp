// The two effects without a window: square sizes, the walk of the square,
// the phase, and the composed squares against their definitions.
#include <gtest/gtest.h>

#include "savers/tests/SaverReference.h"
#include "savers/tests/SaverTestSupport.h"

#include "savers/WhirlEffect.h"
#include "savers/ZoomEffect.h"

#include <cstring>

namespace {

bool SamePixel(const uint8_t* a, const uint8_t* b) { return std::memcmp(a, b, 3) == 0; }

TEST(SaverEffect, SquareSizeIsThePercentOfTheShorterSide)
{
    WhirlEffect whirl;
    whirl.SetPicture(SaverDib(640, 480));
    EXPECT_TRUE(whirl.SetEffectSize(100, 30));
    EXPECT_EQ(whirl.SquareSize(), 480);
    EXPECT_TRUE(whirl.SetEffectSize(10, 30));
    EXPECT_EQ(whirl.SquareSize(), 48);
    EXPECT_FALSE(whirl.SetEffectSize(10, 50));  // same square, new table
    EXPECT_EQ(whirl.Strength(), 50);
    EXPECT_EQ(SaverEffect::SquareSizeFor(1, 99, 1000), 0);
    EXPECT_EQ(SaverEffect::SquareSizeFor(100, 16384, 9000), 9000);
}

TEST(SaverEffect, WalkStaysWithinSpeedAndPictureAndMatchesTheReference)
{
    for (const auto& [pw, ph, size] : {std::tuple{64, 48, 10}, {640, 480, 100}, {300, 200, 50}, {20, 20, 1}}) {
        WhirlEffect whirl;
        whirl.SetPicture(SaverDib(pw, ph));
        whirl.SetEffectSize(size, 30);
        ReferenceSaver ref{pw, ph, whirl.SquareSize()};
        platform::WinRand rand;
        for (int tick = 0; tick < 3000; ++tick) {
            const SaverMotion before = whirl.Motion();
            whirl.Step(rand);
            ref.Tick();
            const SaverMotion& m = whirl.Motion();
            ASSERT_LE(std::abs(m.vx), 20);
            ASSERT_LE(std::abs(m.vy), 20);
            ASSERT_GE(m.x, 0);
            ASSERT_LE(m.x, pw - whirl.SquareSize());
            ASSERT_GE(m.y, 0);
            ASSERT_LE(m.y, ph - whirl.SquareSize());
            ASSERT_EQ(m.prevX, before.x);
            ASSERT_EQ(m.prevY, before.y);
            ASSERT_EQ(std::tuple(m.x, m.y, m.vx, m.vy, whirl.Phase()), std::tuple(ref.x, ref.y, ref.vx, ref.vy, ref.phase))
                << pw << "x" << ph << " tick " << tick;
        }
    }
}

TEST(SaverEffect, SpeedHeldAtTwentyStaysAtMostTwenty)
{
    ZoomEffect zoom;
    zoom.SetPicture(SaverDib(5000, 5000));
    zoom.SetEffectSize(1, 0);
    zoom.Motion().vx = 20;
    zoom.Motion().vy = -20;
    platform::WinRand rand;
    for (int tick = 0; tick < 1000; ++tick) {
        zoom.Step(rand);
        ASSERT_LE(std::abs(zoom.Motion().vx), 20);
        ASSERT_LE(std::abs(zoom.Motion().vy), 20);
    }
}

TEST(WhirlEffect, PhaseRunsUpAndDownBetweenZeroAndThirtyTwo)
{
    WhirlEffect whirl;
    whirl.SetPicture(SaverDib(64, 64));
    whirl.SetEffectSize(10, 30);
    platform::WinRand rand;
    std::vector<int32_t> phases{whirl.Phase()};
    for (int tick = 0; tick < 80; ++tick) {
        whirl.Step(rand);
        phases.push_back(whirl.Phase());
    }
    std::vector<int32_t> expected;
    for (int32_t p = 16; p <= 32; ++p)
        expected.push_back(p);
    for (int32_t p = 31; p >= 0; --p)
        expected.push_back(p);
    for (int32_t p = 1; expected.size() < phases.size(); ++p)
        expected.push_back(p);
    EXPECT_EQ(phases, expected);
}

TEST(WhirlEffect, TableTurnsMostAtTheCentreAndNotAtTheRim)
{
    // Next to the centre the angle is about strength / 10: 3 radians turn
    // the pixel right of the centre to the one left of it.
    EXPECT_EQ(WhirlEffect::Displacement(50, 51, 100, 30), (WhirlEffect::Offset{-1, 0}));
    EXPECT_EQ(WhirlEffect::Displacement(50, 50, 100, 30), (WhirlEffect::Offset{0, 0}));
    // On and beyond the circle nothing moves.
    EXPECT_EQ(WhirlEffect::Displacement(50, 100, 100, 100), (WhirlEffect::Offset{0, 0}));
    EXPECT_EQ(WhirlEffect::Displacement(0, 0, 100, 100), (WhirlEffect::Offset{0, 0}));
    // Half way out a small strength turns by a little.
    const WhirlEffect::Offset half = WhirlEffect::Displacement(50, 75, 100, 10);
    const double a = 10.0 * (2500.0 - 625.0) * (2500.0 - 625.0) / (10.0 * 2500.0 * 2500.0);
    EXPECT_EQ(half.x, int32_t(25 * std::cos(a) - 25));
    EXPECT_EQ(half.y, int32_t(-25 * std::sin(a)));
}

// Every source pixel of every composed square lies inside the square, for
// every phase and a range of strengths (AddressSanitizer watches the reads).
TEST(WhirlEffect, ComposedSquareMatchesTheDefinitionAndStaysInside)
{
    const SaverDib picture = PatternDib(97, 83);
    for (int32_t strength : {1, 30, 100}) {
        WhirlEffect whirl;
        whirl.SetPicture(picture);
        whirl.SetEffectSize(100, strength);  // e = 83: odd
        ReferenceSaver ref{97, 83, whirl.SquareSize()};
        platform::WinRand rand;
        for (int tick = 0; tick < 70; ++tick) {
            whirl.Tick(rand);
            ref.Tick();
            const int32_t e = whirl.SquareSize();
            for (int32_t i = 0; i < e; ++i)
                for (int32_t j = 0; j < e; ++j) {
                    const auto [sx, sy] = ref.WhirlSource(i, j, strength);
                    ASSERT_GE(sx, ref.x);
                    ASSERT_LT(sx, ref.x + e);
                    ASSERT_GE(sy, ref.y);
                    ASSERT_LT(sy, ref.y + e);
                    ASSERT_TRUE(SamePixel(whirl.Square().Pixel(j, i), picture.Pixel(sx, sy)))
                        << "strength " << strength << " tick " << tick << " at " << i << "," << j;
                }
        }
    }
}

TEST(WhirlEffect, PhaseZeroShowsThePlainSquare)
{
    const SaverDib picture = PatternDib(120, 90);
    WhirlEffect whirl;
    whirl.SetPicture(picture);
    whirl.SetEffectSize(50, 100);
    platform::WinRand rand;
    while (whirl.Phase() != 0)
        whirl.Tick(rand);
    const int32_t e = whirl.SquareSize();
    for (int32_t i = 0; i < e; ++i)
        ASSERT_EQ(std::memcmp(whirl.Square().Line(i), picture.Pixel(whirl.Motion().x, whirl.Motion().y + i), size_t(e) * 3),
                  0);
}

TEST(ZoomEffect, OffsetsFollowTheSquareAcrossThePicture)
{
    // Size 100 on 640 x 480: e = 480 = ph, so oy is 0 wherever y is.
    EXPECT_EQ(ZoomEffect::Offset(0, 480, 480), 0);
    EXPECT_EQ(ZoomEffect::Offset(0, 480, 640), 0);
    EXPECT_EQ(ZoomEffect::Offset(80, 480, 640), 120);
    EXPECT_EQ(ZoomEffect::Offset(160, 480, 640), 240);
}

TEST(ZoomEffect, GlassAtTheTopLeftShowsTheTopLeftDoubled)
{
    const SaverDib picture = PatternDib(100, 80);
    ZoomEffect zoom;
    zoom.SetPicture(picture);
    zoom.SetEffectSize(50, 0);  // e = 40
    zoom.ComposeSquare();
    const int32_t e = zoom.SquareSize();
    ASSERT_EQ(e, 40);
    for (int32_t i = 0; i < e; ++i)
        for (int32_t j = 0; j < e; ++j) {
            const bool inside = (i - 20) * (i - 20) + (j - 20) * (j - 20) <= 400;
            const uint8_t* expected = inside ? picture.Pixel(j / 2, i / 2) : picture.Pixel(j, i);
            ASSERT_TRUE(SamePixel(zoom.Square().Pixel(j, i), expected)) << i << "," << j;
        }
}

TEST(ZoomEffect, ComposedSquareMatchesTheDefinitionAtTheEdges)
{
    const SaverDib picture = PatternDib(90, 61);
    ZoomEffect zoom;
    zoom.SetPicture(picture);
    zoom.SetEffectSize(80, 0);  // e = 48
    ReferenceSaver ref{90, 61, zoom.SquareSize()};
    platform::WinRand rand;
    for (int tick = 0; tick < 200; ++tick) {
        zoom.Tick(rand);
        ref.Tick();
        for (int32_t i = 0; i < ref.e; i += 3)
            for (int32_t j = 0; j < ref.e; j += 3) {
                const auto [sx, sy] = ref.ZoomSource(i, j);
                ASSERT_TRUE(SamePixel(zoom.Square().Pixel(j, i), picture.Pixel(sx, sy))) << tick;
            }
    }
}

// A larger square, or a new smaller picture, puts the corner back inside.
TEST(SaverEffect, ResizeKeepsTheCornerInsideThePicture)
{
    ZoomEffect zoom;
    zoom.SetPicture(PatternDib(200, 100));
    zoom.SetEffectSize(10, 0);
    zoom.Motion().x = 180;
    zoom.Motion().y = 85;
    zoom.SetEffectSize(100, 0);
    EXPECT_EQ(zoom.Motion().x, 100);
    EXPECT_EQ(zoom.Motion().y, 0);
    EXPECT_FALSE(zoom.Composed());
    zoom.ComposeSquare();
    EXPECT_TRUE(zoom.Composed());
}

} // namespace
