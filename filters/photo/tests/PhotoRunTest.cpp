// Runs of Fxrun.8bf's point filters under the scripted host, compared pixel
// by pixel with the filters' pixel rules, and the selectors every entry
// answers.
#include "PhotoFixture.h"

#include "filters/photo/BrCont.h"
#include "filters/photo/HueSat.h"
#include "filters/photo/RedEye.h"
#include "filters/photo/SmTune.h"
#include "filters/photo/Solar.h"
#include "platform/ResourceTable.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

using PhotoRun = PhotoFixture;

// The expected pixel x, y of a run: the source pixel through the rule.
using Rule = std::function<void(const uint8_t* in, uint8_t* out, int32_t planes)>;

void ExpectFiltered(const ScriptedHost& host, const Rule& rule)
{
    const int32_t planes = std::min(host.Planes(), 4);
    for (int32_t y = 0; y < host.Height(); ++y)
        for (int32_t x = 0; x < host.Width(); ++x) {
            std::array<uint8_t, 4> in{}, want{};
            for (int32_t k = 0; k < planes; ++k)
                in[size_t(k)] = host.In(x, y, k);
            rule(in.data(), want.data(), planes);
            for (int32_t k = 0; k < planes; ++k)
                ASSERT_EQ(host.Out(x, y, k), want[size_t(k)]) << x << "," << y << " plane " << k;
        }
}

struct PointCase {
    const char* entry;
    int32_t p1, p2;
    int16_t planes;
    Rule rule;
};

TEST_F(PhotoRun, PointFiltersMatchTheirRulesPixelByPixel)
{
    RememberHost(0, PI_FOURCC('8', 'B', 'I', 'M'));
    const auto threePlanes = [](auto pixel) {
        return [pixel](const uint8_t* in, uint8_t* out, int32_t planes) {
            std::memcpy(out, in, size_t(planes));
            if (planes == 3)
                pixel(out);
        };
    };
    const PointCase cases[] = {
        {"ENTRYPOINT2", 300, 70, 3,
         [](const uint8_t* in, uint8_t* out, int32_t n) {
             for (int32_t k = 0; k < n; ++k)
                 out[k] = BrContSample(in[k], 300, 70);
         }},
        {"ENTRYPOINT2", 200, 20, 1,
         [](const uint8_t* in, uint8_t* out, int32_t n) {
             for (int32_t k = 0; k < n; ++k)
                 out[k] = BrContSample(in[k], 200, 20);
         }},
        {"ENTRYPOINT3", -60, 123, 3, threePlanes([](uint8_t* px) { HueSatPixel(px, -60, 123); })},
        {"ENTRYPOINT3", 200, 123, 1, threePlanes([](uint8_t*) {})}, // one plane: unchanged
        // The dialogs' neutral settings give the picture back as it was.
        {"ENTRYPOINT2", 255, 50, 3, threePlanes([](uint8_t*) {})},
        {"ENTRYPOINT3", 0, 0, 3, threePlanes([](uint8_t*) {})},
        {"ENTRYPOINT4", 40, 30, 3, threePlanes([](uint8_t* px) { RedEyePixel(px, 40, 30); })},
        {"ENTRYPOINT4", 100, 30, 1, threePlanes([](uint8_t*) {})},
        {"ENTRYPOINT6", 90, 0, 3,
         [](const uint8_t* in, uint8_t* out, int32_t n) {
             const auto t = SolarTable(90);
             for (int32_t k = 0; k < n; ++k)
                 out[k] = t[in[k]];
         }},
        {"ENTRYPOINT7", 4, 0, 3,
         [](const uint8_t* in, uint8_t* out, int32_t n) {
             const auto t = FixedToneCurve(4);
             for (int32_t k = 0; k < n; ++k)
                 out[k] = t[in[k]];
         }},
    };
    // The hue circle's rule alone moves colours of these runs even at the
    // neutral settings.
    {
        ScriptedHost::Options options;
        options.width = 23;
        options.height = 11;
        const auto sample = MakeHost(options, "ENTRYPOINT3");
        int moved = 0;
        for (int32_t y = 0; y < sample->Height(); ++y)
            for (int32_t x = 0; x < sample->Width(); ++x) {
                const uint8_t in[3] = {sample->In(x, y, 0), sample->In(x, y, 1), sample->In(x, y, 2)};
                uint8_t px[3] = {in[0], in[1], in[2]};
                HueSatPixel(px, 0, 0);
                moved += std::memcmp(px, in, 3) != 0;
            }
        EXPECT_GT(moved, 0);
    }

    for (const PointCase& c : cases) {
        SCOPED_TRACE(std::string(c.entry) + " planes " + std::to_string(c.planes));
        ScriptedHost::Options options;
        options.hostSig = PI_FOURCC('8', 'B', 'I', 'M');
        options.planes = c.planes;
        options.width = 23;
        options.height = 11;
        auto host = MakeHost(options, c.entry);
        PrepareBlock(*host, c.p1, c.p2);
        ASSERT_EQ(host->Run(false), 0);
        ExpectFiltered(*host, c.rule);
        // Every engine of the module reads a one-pixel window.
        EXPECT_EQ(Params(*host).ringMargin, 1);
        EXPECT_EQ(Params(*host).ringSize, 1);
    }
    EXPECT_TRUE(filterTitles.empty());
}

TEST_F(PhotoRun, AutoToneStretchesThePicturesOwnRangeEvenInTheDeferredMode)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    ScriptedHost::Options options;
    options.width = 17;
    options.height = 9;
    auto host = MakeHost(options, "ENTRYPOINT7");
    // Samples from 40 to 180; the brightest sits on the last row.
    for (size_t i = 0; i < host->input.size(); ++i)
        host->input[i] = uint8_t(40 + i % 120);
    host->input.back() = 180;
    host->output = host->input;
    PrepareBlock(*host, 0, 0);
    ASSERT_EQ(host->Run(false), 0);
    const ToneCurve curve = AutoToneCurve(40, 180);
    ExpectFiltered(*host, [&](const uint8_t* in, uint8_t* out, int32_t n) {
        for (int32_t k = 0; k < n; ++k)
            out[k] = curve[in[k]];
    });

    // A flat picture, and a host without an advance routine, keep the
    // picture as it is.
    std::fill(host->input.begin(), host->input.end(), uint8_t(99));
    host->output = host->input;
    PrepareBlock(*host, 0, 0);
    ASSERT_EQ(host->Run(false), 0);
    EXPECT_EQ(host->output, host->input);

    options.hasAdvanceState = false;
    auto plain = MakeHost(options, "ENTRYPOINT7");
    PrepareBlock(*plain, 0, 0);
    ASSERT_EQ(plain->Run(false), 0);
    EXPECT_EQ(plain->output, plain->input);
}

struct Entry {
    const char* name;
    int32_t p1, p2;
    int32_t window;
};

TEST_F(PhotoRun, EveryEntryShowsAboutAndAnswersTheSelectors)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    const Entry entries[] = {{"ENTRYPOINT", 15, 0, 15},  {"ENTRYPOINT1", 5, 0, 5}, {"ENTRYPOINT2", 255, 50, 1},
                             {"ENTRYPOINT3", 0, 0, 1},   {"ENTRYPOINT4", 50, 50, 1}, {"ENTRYPOINT5", 4, 0, 3},
                             {"ENTRYPOINT6", 5, 0, 1},   {"ENTRYPOINT7", 0, 0, 1}};
    for (const Entry& e : entries) {
        SCOPED_TRACE(e.name);
        auto host = MakeHost({}, e.name);
        AboutRecord about{};
        const int before = abouts;
        EXPECT_EQ(host->CallAbout(&about), 0);
        EXPECT_EQ(abouts, before + 1);

        host->Reset();
        ASSERT_EQ(host->Call(filterSelectorParameters), 0);
        ASSERT_TRUE(IsValidHostHandle(host->parameters));
        EXPECT_EQ(GetHostHandleSize(host->parameters), 40);
        const ArtParams& p = Params(*host);
        EXPECT_EQ(p.showDialog, 1);
        EXPECT_EQ(p.Param(1), e.p1);
        EXPECT_EQ(p.Param(2), e.p2);
        EXPECT_EQ(p.ringMargin, e.window);
        EXPECT_EQ(p.ringSize, e.window);
        EXPECT_EQ(host->Call(7), filterBadParameters);
        EXPECT_EQ(host->Call(filterSelectorPrepare), 0);
        EXPECT_EQ(host->output, host->input);
    }
    EXPECT_EQ(aboutTexts, (std::vector<std::string>{"Orvane Plug-in Collection", "Orvane Telvy v.1.2"}));
    EXPECT_TRUE(filterTitles.empty());
    EXPECT_TRUE(platform::ResourceTable::FromFile(FXRUN_MODULE).HasType(platform::ResourceName("PiPL")));
}

TEST_F(PhotoRun, AChangedHostIsToldWithTheModulesCaption)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    auto host = MakeHost({PI_FOURCC('8', 'B', 'I', 'M'), true, 12, 8, 3, {}}, "ENTRYPOINT6");
    PrepareBlock(*host, 5, 0);
    ASSERT_EQ(host->Run(false), 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Host application was changed!");
    EXPECT_EQ(messages[0].caption, "Quendle Software Plug-in v.1.1");
}

} // namespace
