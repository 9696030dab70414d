// The engine of Explosions and Collapses: the amplitude, the profile and
// the source of every pixel against the formulas for several variants,
// work sizes and seeds; what the density and the collapsing sign do.
#include "BurstReference.h"

#include "filters/rubber/BurstEngine.h"
#include "platform/TickClock.h"

#include <gtest/gtest.h>

namespace {

uint32_t tick = 0;
uint32_t FixedTick() { return tick; }

// An engine made at tick t and begun on a work area of width x height.
struct Begun {
    Begun(int32_t width, int32_t height, SevenLongParams p, uint32_t t) : params(p)
    {
        tick = t;
        const auto previous = platform::TickClock::SetSource(&FixedTick);
        engine = std::make_unique<BurstEngine>(nullptr, &params);
        platform::TickClock::SetSource(previous);
        engine->SetWorkSize(width, height);
        ok = engine->Begin();
    }
    ~Begun() { engine->End(); }
    // The sources of the whole area, walked as the engine's rows walk it.
    std::vector<std::pair<int32_t, int32_t>> Walk(int32_t width, int32_t height)
    {
        std::vector<std::pair<int32_t, int32_t>> out;
        for (int32_t y = 0; y < height; ++y)
            for (int32_t x = 0; x < width; ++x) {
                int32_t sx = 16 * x, sy = 16 * y;
                engine->Displace(16 * x, 16 * y, &sx, &sy);
                out.emplace_back(sx, sy);
            }
        return out;
    }
    SevenLongParams params;
    std::unique_ptr<BurstEngine> engine;
    bool ok = false;
};

struct FieldCase {
    int32_t w, h, variant, strength, size, freeze;
    uint32_t tick;
};

TEST(BurstEngine, FieldFollowsTheFormulasForEachVariantSizeAndSeed)
{
    for (const FieldCase& c : {FieldCase{40, 30, 0, 50, 10, 1, 77}, FieldCase{61, 17, 1, 100, 4, 0, 12345},
                               FieldCase{9, 40, 3, 30, 100, 0, 987654321}, FieldCase{50, 50, 4, 1, 7, 1, 5},
                               FieldCase{45, 31, 2, 60, 70, 0, 4242}, FieldCase{30, 44, 5, 100, 100, 1, 9},
                               FieldCase{1, 1, 1, 50, 100, 1, 0}, FieldCase{200, 3, 5, 20, 4, 0, 31337}}) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " variant " << c.variant << " tick " << c.tick);
        Begun b(c.w, c.h, SevenLongParams{c.strength, c.size, c.variant, 0, c.freeze, 0, 0}, c.tick);
        ASSERT_TRUE(b.ok);
        const uint32_t seed = c.freeze ? 1u : c.tick;
        EXPECT_EQ(uint32_t(b.engine->Seed()), seed);
        const BurstField ref(c.w, c.h, c.variant, c.strength, c.size, seed);
        EXPECT_EQ(b.engine->R(), ref.R);
        EXPECT_EQ(b.engine->Profile(), ref.table);
        ASSERT_EQ(b.Walk(c.w, c.h), ref.source);
    }
}

TEST(BurstEngine, ProfileAlternatesValleysAndPeaksAndCollapsesPullInwards)
{
    // Valleys of h = R / 2 at most, peaks of R - h at least, both signed
    // by the family.
    for (int32_t variant : {0, 1, 3, 4}) {
        SCOPED_TRACE(variant);
        Begun b(80, 60, SevenLongParams{80, 6, variant, 0, 1, 0, 0}, 0);
        ASSERT_TRUE(b.ok);
        const auto& p = b.engine->Profile();
        const int32_t steps = BurstEngine::SegmentSteps(80, 6);
        ASSERT_EQ(p.size(), size_t(2 * 6 * steps));
        const int32_t sign = variant >= 3 ? -1 : 1, r = b.engine->R();
        for (int32_t v : p) {
            ASSERT_GE(sign * v, 0);
            ASSERT_LE(sign * v, r);
        }
        // Segments start on their nodes: a valley, then a peak.
        EXPECT_LE(sign * p[0], r * 100 / 200);
        EXPECT_GE(sign * p[size_t(steps)], r - r * 100 / 200);
    }
    // Sources of a collapse lie at least as far out as their pixels.
    Begun quake(64, 48, SevenLongParams{70, 8, 3, 0, 1, 0, 0}, 0);
    const auto sources = quake.Walk(64, 48);
    for (int32_t y = 0; y < 48; ++y)
        for (int32_t x = 0; x < 64; ++x) {
            const auto [sx, sy] = sources[size_t(y * 64 + x)];
            const double d = std::hypot(16.0 * x - 520, 16.0 * y - 392);
            ASSERT_GE(std::hypot(sx - 520.0, sy - 392.0) + 2, d) << x << "," << y;
        }
}

TEST(BurstEngine, DensityIsTheShareOfPixelsMoved)
{
    for (int32_t density : {100, 4, 50}) {
        // Odd sizes put a pixel on the centre, which never moves.
        Begun b(101, 81, SevenLongParams{50, density, 2, 0, 1, 0, 0}, 0);
        const BurstField ref(101, 81, 2, 50, density, 1);
        const auto sources = b.Walk(101, 81);
        int32_t moved = 0;
        for (int32_t i = 0; i < 101 * 81; ++i)
            moved += sources[size_t(i)] != std::pair<int32_t, int32_t>{16 * (i % 101), 16 * (i / 101)};
        EXPECT_EQ(sources, ref.source);
        if (density == 100) {
            EXPECT_EQ(ref.moved, 101 * 81 - 1) << "all but the centre";
        }
        EXPECT_NEAR(double(ref.moved) / (101 * 81), density / 100.0, 0.03) << density;
        EXPECT_LE(moved, ref.moved);
    }
}

TEST(BurstEngine, UnknownVariantLeavesThePictureAndEndFreesTheProfile)
{
    Begun b(20, 20, SevenLongParams{50, 10, 9, 0, 1, 0, 0}, 0);
    ASSERT_TRUE(b.ok);
    const auto sources = b.Walk(20, 20);
    for (int32_t i = 0; i < 400; ++i)
        ASSERT_EQ(sources[size_t(i)], (std::pair<int32_t, int32_t>{16 * (i % 20), 16 * (i / 20)}));
    Begun blot(20, 20, SevenLongParams{50, 10, 1, 0, 1, 0, 0}, 0);
    EXPECT_FALSE(blot.engine->Profile().empty());
    blot.engine->End();
    EXPECT_TRUE(blot.engine->Profile().empty());
}

} // namespace
