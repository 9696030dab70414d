// The new distortions on work areas wider than 32 767 pixels (the widths
// the host interface cannot carry, but the engines must not overflow on)
// and on one-pixel areas: every source against the formulas.
#include "PageCurlReference.h"
#include "ParticleReference.h"
#include "RandomFieldReference.h"
#include "WarpReference.h"

#include "filters/rubber/PageCurl.h"
#include "filters/rubber/ParticleEngine.h"
#include "filters/rubber/RandomWarpEngine.h"
#include "filters/rubber/WarpEngine.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t kWide = 40000;

template <class Engine, class Params, class Ready>
std::vector<std::pair<int32_t, int32_t>> Walk(Params p, int32_t w, int32_t h, Ready ready)
{
    Engine engine(nullptr, &p);
    engine.SetWorkSize(w, h);
    EXPECT_TRUE(engine.Begin());
    std::vector<std::pair<int32_t, int32_t>> out;
    for (int32_t y = 0; y < h; ++y) {
        ready(engine, y);
        for (int32_t x = 0; x < w; ++x) {
            int32_t sx = 16 * x, sy = 16 * y;
            engine.Displace(16 * x, 16 * y, &sx, &sy);
            out.emplace_back(sx, sy);
        }
    }
    engine.End();
    return out;
}

TEST(WidePictures, EveryEngineFollowsItsFormulas)
{
    for (const auto& [w, h] : {std::pair{kWide, 3}, std::pair{1, 1}, std::pair{1, 5}, std::pair{5, 1}}) {
        SCOPED_TRACE(testing::Message() << w << "x" << h);
        auto particle = [](ParticleEngine& e, int32_t y) { ASSERT_TRUE(e.PrepareRow(y)); };
        for (int32_t type = 0; type < 3; ++type)
            EXPECT_EQ(Walk<ParticleEngine>(SevenLongParams{100, type == 2 ? 100 : 1, type, 30, 1, 0, 0}, w, h, particle),
                      ParticleField(w, h, type, 100, type == 2 ? 100 : 1, 30, 1).source)
                << "type " << type;
        auto random = [](RandomWarpEngine& e, int32_t y) { ASSERT_TRUE(e.PrepareRow(y, false)); };
        for (int32_t kind = 0; kind < 3; ++kind)
            EXPECT_EQ(Walk<RandomWarpEngine>(SevenLongParams{100, 9, kind, 0, 1, 0, 0}, w, h, random),
                      RandomWarpField(w, h, kind, 9, 100, 1).source)
                << "kind " << kind;
        WarpParams warp{};
        for (int32_t n = 0; n < 25; ++n) {
            warp.offsets[2 * n] = n % 2 ? 140 : -140;
            warp.offsets[2 * n + 1] = n % 3 ? 100 : -120;
        }
        const std::vector<int32_t> pairs(warp.offsets, warp.offsets + 50);
        EXPECT_EQ(Walk<WarpEngine>(warp, w, h, [](WarpEngine& e, int32_t y) { e.BuildRow(y); }),
                  WarpField(w, h, pairs).source);
        // Page curl's rows.
        for (int32_t type = 0; type < 8; ++type) {
            std::vector<uint8_t> in(size_t(w) * size_t(h));
            for (size_t i = 0; i < in.size(); ++i)
                in[i] = uint8_t(i * 13);
            const uint8_t back[1] = {77};
            const PageCurl curl(99, type, w, h);
            std::vector<uint8_t> out(in.size());
            for (int32_t y = 0; y < h; ++y) {
                auto line = [&](int32_t at) { return in.data() + size_t(std::clamp(at, 0, h - 1)) * size_t(w); };
                curl.Row(y, line(y - 1), line(y), line(y + 1), 1, back, out.data() + size_t(y) * size_t(w));
            }
            EXPECT_EQ(out, PageCurlRef(99, type, w, h).Run(in, 1, back)) << "curl " << type;
        }
    }
}

} // namespace
