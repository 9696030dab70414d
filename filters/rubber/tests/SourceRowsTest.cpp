// The engines of rubber.8bf name the rows their sources lie in, for the
// host run's bands (SourceRowsCheck.h): each filter at strong and mild
// settings, on wide, tall, square and one-pixel work areas.
#include "SourceRowsCheck.h"

#include "filters/rubber/AnalyticWarpEngine.h"
#include "filters/rubber/BurstEngine.h"
#include "filters/rubber/ParticleEngine.h"
#include "filters/rubber/PerspectiveEngine.h"
#include "filters/rubber/RandomWarpEngine.h"
#include "filters/rubber/WarpEngine.h"
#include "filters/rubber/RubberEngine.h"

#include <memory>
#include <type_traits>

namespace {

struct Area {
    int32_t w, h;
};
const Area kAreas[] = {{61, 43}, {30, 90}, {50, 50}, {1, 1}, {1, 12}, {12, 1}};

template <class Engine, class Params>
void Check(const Params& p)
{
    for (const Area& a : kAreas) {
        SCOPED_TRACE(testing::Message() << a.w << "x" << a.h);
        Params params = p;
        Engine engine(nullptr, &params);
        engine.SetWorkSize(a.w, a.h);
        ASSERT_TRUE(engine.Begin());
        if constexpr (std::is_same_v<Engine, ParticleEngine>)
            ExpectSourcesInTheirRows(engine, a.w, a.h, [&](int32_t y) { ASSERT_TRUE(engine.PrepareRow(y)); });
        else if constexpr (std::is_same_v<Engine, WarpEngine>)
            ExpectSourcesInTheirRows(engine, a.w, a.h, [&](int32_t y) { engine.BuildRow(y); });
        else if constexpr (std::is_same_v<Engine, RandomWarpEngine>)
            ExpectSourcesInTheirRows(engine, a.w, a.h, [&](int32_t y) { ASSERT_TRUE(engine.PrepareRow(y, false)); });
        else
            ExpectSourcesInTheirRows(engine, a.w, a.h);
        engine.End();
    }
}

TEST(SourceRows, Rubber)
{
    for (const RubberParams& p : {RubberParams{300, -400, 500, 500, 0, 0}, RubberParams{-10, 450, 200, 900, 0, 0},
                                  RubberParams{0, 0, 500, 500, 0, 0}})
        Check<RubberEngine>(p);
}

TEST(SourceRows, PinchPunchWaveWhirl)
{
    for (int32_t type = 0; type < 4; ++type)
        for (int32_t mode = 0; mode < (type == 3 ? 2 : 3); ++mode)
            for (int32_t strength : {1, 30, 100}) {
                SCOPED_TRACE(testing::Message() << "type " << type << " mode " << mode << " strength " << strength);
                Check<AnalyticWarpEngine>(SevenLongParams{strength, 3, type, mode, 0, 0, 0});
            }
}

TEST(SourceRows, ExplosionsAndCollapses)
{
    for (int32_t variant = 0; variant < 6; ++variant)
        for (int32_t strength : {1, 50, 100}) {
            SCOPED_TRACE(testing::Message() << "variant " << variant << " strength " << strength);
            Check<BurstEngine>(SevenLongParams{strength, variant == 2 || variant == 5 ? 60 : 7, variant, 0, 1, 0, 0});
        }
}

TEST(SourceRows, Perspective)
{
    for (int32_t t1 : {1, 100, 199})
        for (int32_t t2 : {1, 60, 100, 150, 199}) {
            SCOPED_TRACE(testing::Message() << "tilts " << t1 << "," << t2);
            Check<PerspectiveEngine>(SevenLongParams{t1, t2, 0, 0, 0, 0, 0});
        }
}

TEST(SourceRows, GravityWindAndPixelStorm)
{
    for (int32_t type = 0; type < 3; ++type)
        for (int32_t strength : {1, 40, 100})
            for (int32_t second : {1, 5, 10, 100})
                for (int32_t direction : {0, 45, 200}) {
                    if (type < 2 && second > 10)
                        continue;
                    SCOPED_TRACE(testing::Message() << "type " << type << " strength " << strength << " second "
                                                    << second << " direction " << direction);
                    Check<ParticleEngine>(SevenLongParams{strength, second, type, direction, 1, 0, 0});
                }
}

TEST(SourceRows, Warp)
{
    WarpParams p{};
    Check<WarpEngine>(p);
    for (int32_t n = 0; n < 25; ++n) {
        p.offsets[2 * n] = (n * 37) % 301 - 150;
        p.offsets[2 * n + 1] = (n * 53) % 301 - 150;
    }
    Check<WarpEngine>(p);
}

TEST(SourceRows, RandomDeformations)
{
    for (int32_t kind = 0; kind < 3; ++kind)
        for (int32_t strength : {1, 50, 100})
            for (int32_t size : {1, 2, 9, 16, 50, 100}) {
                SCOPED_TRACE(testing::Message() << "kind " << kind << " strength " << strength << " size " << size);
                Check<RandomWarpEngine>(SevenLongParams{strength, size, kind, 0, 1, 0, 0});
            }
}

} // namespace
