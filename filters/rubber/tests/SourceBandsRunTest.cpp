// Every displacement filter of rubber.8bf under a host that may hold no
// more than the picture at once (the plug-in host library's maxSpace),
// delivering bands by Continue or by advanceState: the pixels the formulas
// give, and no source row sent more than a few times, however far the
// filter moves pixels.
#include "AnalyticReference.h"
#include "BurstReference.h"
#include "ParticleReference.h"
#include "PerspectiveReference.h"
#include "RandomFieldReference.h"
#include "WarpReference.h"
#include "RubberFixture.h"

#include "filters/rubber/SevenLongParams.h"

#include <functional>
#include <tuple>

namespace {

struct BandCase {
    const char* name;
    const char* entry;
    std::vector<int32_t> block; // ShowDialog last
    // Settings the dialog starts from, when the block asks for it.
    std::vector<std::tuple<const char*, const char*, int32_t>> settings;
    // The field of the run at the filter area's size.
    std::function<void(const ScriptedHost&, int32_t w, int32_t h)> expect;
};

void PrintTo(const BandCase& c, std::ostream* out) { *out << c.name; }

template <class Field>
void ExpectField(const ScriptedHost& host, const Field& field)
{
    const RefPicture in{host.Width(), host.Height(), host.Planes(), host.input.data()};
    const RefArea f{0, 0, host.Width(), host.Height()};
    for (int32_t y = 0; y < host.Height(); ++y)
        for (int32_t x = 0; x < host.Width(); ++x)
            for (int32_t k = 0; k < host.Planes(); ++k)
                ASSERT_EQ(host.Out(x, y, k), RubberPixel(in, f, field, x, y, k, host.record.backColor))
                    << "pixel " << x << "," << y << " plane " << k;
}

std::vector<int32_t> Seven(int32_t strength, int32_t size, int32_t type, int32_t direction, int32_t freeze)
{
    return {strength, size, type, direction, freeze, 0, 0};
}

// Handles pulled as far as the dialog lets them, every other one up.
std::vector<int32_t> WarpMeshBlock()
{
    std::vector<int32_t> block(514, 0);
    for (int32_t n = 0; n < 25; ++n) {
        block[size_t(2 * n)] = n % 3 == 0 ? 149 : -149;
        block[size_t(2 * n + 1)] = n % 2 == 0 ? 149 : -149;
    }
    return block;
}

BandCase Particle(const char* name, const char* entry, int32_t type, int32_t strength, int32_t second,
                  int32_t direction)
{
    return {name, entry, Seven(strength, second, type, direction, 1), {},
            [=](const ScriptedHost& h, int32_t w, int32_t ht) {
                ExpectField(h, ParticleField(w, ht, type, strength, second, direction, 1));
            }};
}

BandCase Analytic(const char* name, const char* entry, int32_t type, int32_t mode, int32_t strength, int32_t size)
{
    return {name, entry, Seven(strength, size, type, mode, 0), {}, [=](const ScriptedHost& h, int32_t w, int32_t ht) {
                ExpectField(h, AnalyticField(w, ht, type, mode, strength, size));
            }};
}

// A stored block runs the family's first variant: the others come from
// the dialog, here opened on settings and answered with OK.
BandCase Burst(const char* name, const char* entry, int32_t variant, int32_t strength, int32_t size)
{
    const char* section = variant >= 3 ? "Collapses" : "Explosions";
    return {name,
            entry,
            {0, 0, 0, 0, 0, 0, 1},
            {{section, "Strength", strength}, {section, "Size", size}, {section, "Type", variant}, {section, "Freeze", 1}},
            [=](const ScriptedHost& h, int32_t w, int32_t ht) {
                ExpectField(h, BurstField(w, ht, variant, strength, size, 1));
            }};
}

class SourceBands : public RubberFixture, public ::testing::WithParamInterface<BandCase> {};

TEST_P(SourceBands, SendEachSourceRowAFewTimesForThePixelsOfTheFormulas)
{
    const BandCase& c = GetParam();
    // Wider than the preview's box, which the host then samples.
    const int32_t w = 260, h = 400;
    struct Mode {
        int32_t row;
        uint32_t sig;
        bool advance;
    };
    for (const Mode& m : {Mode{5, PI_HOST_SIG_FXGATE, false}, Mode{0, PI_FOURCC('8', 'B', 'I', 'M'), true}}) {
        SCOPED_TRACE(m.row);
        RememberHost(m.row, m.sig);
        for (const auto& [section, key, value] : c.settings)
            Ini().WriteInt(section, key, value);
        auto host = MakeHost({m.sig, m.advance, w, h, 3, Rect{0, 0, 0, 0}, w * h * 3}, c.entry);
        host->Reset();
        ASSERT_EQ(host->Call(filterSelectorParameters), 0);
        std::memcpy(host->parameters->data, c.block.data(), c.block.size() * sizeof(int32_t));
        ASSERT_EQ(host->Run(false), 0);
        EXPECT_EQ(host->badRequests, 0);
        c.expect(*host, w, h);
        EXPECT_LE(host->MostRowSends(), 6);
        EXPECT_LE(host->largestHeld, w * h * 3);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Filters, SourceBands,
    ::testing::Values(
        BandCase{"RubberDraggedFar", "ENTRYPOINT1", {-300, 450, 400, 300, 0, 0}, {},
                 [](const ScriptedHost& h, int32_t w, int32_t ht) {
                     ExpectField(h, RubberField(w, ht, RubberParams{-300, 450, 400, 300, 0, 0}));
                 }},
        Analytic("PinchRadial", "ENTRYPOINT3", 0, 2, 50, 10), Analytic("PunchAlongY", "ENTRYPOINT4", 1, 1, 50, 10),
        Analytic("WaveRadial", "ENTRYPOINT11", 2, 2, 50, 2), Analytic("WaveAlongY", "ENTRYPOINT11", 2, 0, 50, 1),
        Analytic("WhirlStrongest", "ENTRYPOINT10", 3, 0, 100, 10),
        Analytic("WhirlMild", "ENTRYPOINT10", 3, 1, 20, 10), Burst("Burst", "ENTRYPOINT12", 0, 100, 5),
        Burst("Splash", "ENTRYPOINT12", 2, 100, 80), Burst("EarthQuake", "ENTRYPOINT13", 3, 50, 6),
        Burst("BlackHoleStrongest", "ENTRYPOINT13", 5, 100, 100),
        BandCase{"PerspectiveStrongest", "ENTRYPOINT14", Seven(1, 199, 0, 0, 0), {},
                 [](const ScriptedHost& h, int32_t w, int32_t ht) { ExpectField(h, PerspectiveField(w, ht, 1, 199)); }},
        BandCase{"PerspectiveColumnsNarrowLeft", "ENTRYPOINT14", Seven(150, 20, 0, 0, 0), {},
                 [](const ScriptedHost& h, int32_t w, int32_t ht) { ExpectField(h, PerspectiveField(w, ht, 150, 20)); }},
        Particle("GravityStrongest", "ENTRYPOINT7", 0, 100, 1, 0),
        Particle("WindStrongestAcross", "ENTRYPOINT8", 1, 100, 1, 0),
        Particle("WindStrongestDown", "ENTRYPOINT8", 1, 100, 1, 180),
        Particle("PixelStormStrongest", "ENTRYPOINT9", 2, 100, 100, 170),
        BandCase{"ExcitationsStrongest", "ENTRYPOINT6", Seven(100, 100, 2, 0, 1), {},
                 [](const ScriptedHost& h, int32_t w, int32_t ht) {
                     ExpectField(h, RandomWarpField(w, ht, 2, 100, 100, 1));
                 }},
        BandCase{"Ripples",
                 "ENTRYPOINT6",
                 {0, 0, 0, 0, 0, 0, 1},
                 {{"Rnddeformations", "Strength", 100}, {"Rnddeformations", "Size", 100},
                  {"Rnddeformations", "Type", 0}, {"Rnddeformations", "Freeze", 1}},
                 [](const ScriptedHost& h, int32_t w, int32_t ht) {
                     ExpectField(h, RandomWarpField(w, ht, 0, 100, 100, 1));
                 }},
        BandCase{"WarpFoldedMesh", "ENTRYPOINT2", WarpMeshBlock(), {},
                 [](const ScriptedHost& h, int32_t w, int32_t ht) {
                     const std::vector<int32_t> block = WarpMeshBlock();
                     ExpectField(h, WarpField(w, ht, std::vector<int32_t>(block.begin(), block.begin() + 50)));
                 }},
        BandCase{"ErosionUndamped",
                 "ENTRYPOINT6",
                 {0, 0, 0, 0, 0, 0, 1},
                 {{"Rnddeformations", "Strength", 100}, {"Rnddeformations", "Size", 2},
                  {"Rnddeformations", "Type", 1}, {"Rnddeformations", "Freeze", 1}},
                 [](const ScriptedHost& h, int32_t w, int32_t ht) {
                     ExpectField(h, RandomWarpField(w, ht, 1, 2, 100, 1));
                 }}),
    [](const ::testing::TestParamInfo<BandCase>& info) { return std::string(info.param.name); });

} // namespace

namespace {

using StarvedHost = RubberFixture;

// A host that holds a row or two at a time makes the run return for a new
// source band in the middle of rows; the pixel it stopped at is not drawn
// for again when the run goes on.
TEST_F(StarvedHost, RandomFiltersGoOnWithTheSourceTheyStoppedAt)
{
    RememberHost(5, PI_HOST_SIG_FXGATE);
    for (const char* key : {"Strength", "Size", "Type", "Freeze"})
        Ini().WriteInt("Explosions", key, std::string(key) == "Type" ? 2 : std::string(key) == "Freeze" ? 1 : 90);
    auto host = MakeHost({PI_HOST_SIG_FXGATE, false, 40, 30, 3, Rect{0, 0, 0, 0}, 1}, "ENTRYPOINT12");
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_GT(host->continues, 100);
    ExpectField(*host, BurstField(40, 30, 2, 90, 90, 1));
}

} // namespace

namespace {

using FarReach = RubberFixture;

// Filters that may move sources farther than the host can hold beside an
// output band: bands follow where sources were seen, shortening the output
// band when one lies farther, and the pixels stay the formulas'.
TEST_F(FarReach, BandsFollowTheSourcesSeenAndKeepThePixels)
{
    struct Case {
        const char* entry;
        int32_t type, strength, second, direction;
    };
    for (const Case& c : {Case{"ENTRYPOINT7", 0, 100, 1, 0}, Case{"ENTRYPOINT8", 1, 100, 1, 180},
                          Case{"ENTRYPOINT9", 2, 100, 100, 170}}) {
        SCOPED_TRACE(c.entry);
        RememberHost(5, PI_HOST_SIG_FXGATE);
        auto host = MakeHost({PI_HOST_SIG_FXGATE, false, 80, 96, 3, Rect{0, 0, 0, 0}, 80 * 96 * 3}, c.entry);
        host->Reset();
        ASSERT_EQ(host->Call(filterSelectorParameters), 0);
        *static_cast<SevenLongParams*>(host->parameters->data) =
            SevenLongParams{c.strength, c.second, c.type, c.direction, 1, 0, 0};
        ASSERT_EQ(host->Run(false), 0);
        EXPECT_EQ(host->badRequests, 0);
        EXPECT_LE(host->largestHeld, 80 * 96 * 3);
        ExpectField(*host, ParticleField(80, 96, c.type, c.strength, c.second, c.direction, 1));
    }
}

} // namespace
