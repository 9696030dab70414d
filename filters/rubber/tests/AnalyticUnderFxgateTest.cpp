// Whirl of rubber.8bf run by the plug-in host library the way the editor's
// effect table runs the module's filters that carry no property list: the
// module loaded by path, the entry by name. The first run asks for the
// host (unknown: row 5, deferred bands) and opens the dialog; the second
// filters with the parameters kept; a cancelled dialog is a cancelled run.
#include "AnalyticReference.h"
#include "RubberFixture.h"

#include "filters/rubber/SevenLongParams.h"
#include "pluginhost/PlugInHost.h"
#include "pluginhost/tests/CatalogueRun.h"

#include <QAbstractButton>
#include <QSlider>

namespace {

using AnalyticUnderFxgate = RubberFixture;

TEST_F(AnalyticUnderFxgate, WhirlsThePictureWithTheDialogsChoice)
{
    // Only Rubber and Perspective are catalogued; Whirl is run by name.
    EXPECT_LE(CatalogueModuleFolder(config.Path(), RUBBER_MODULE, "Whirl..."), 0);
    PlugInHost& host = Fxgate()->host;
    ASSERT_EQ(host.LoadModule(RUBBER_MODULE, "ENTRYPOINT10", nullptr), kRunDone);

    const int32_t w = 45, h = 31;
    TestPicture source(16, w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            for (int32_t k = 0; k < 3; ++k)
                source.At(x, y)[k] = uint8_t(k == 0 ? x * 5 : k == 1 ? y * 8 : ((x / 4 + y / 3) % 2) * 200);
    filterDialog = [&](fw::Dialog& d) {
        qobject_cast<QSlider*>(d.GetDlgItem(1050))->triggerAction(QAbstractSlider::SliderPageStepAdd);
        qobject_cast<QAbstractButton*>(d.GetDlgItem(1052))->click();
    };
    Handle parameters = nullptr;
    intptr_t data = 0;
    int32_t ask = 1;
    int32_t within = 0;
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        TestPicture destination = source;
        PIRECT changed{};
        ASSERT_EQ(host.BeginRun(nullptr, 0, 0, &destination, &source, 0, 0, nullptr, nullptr, nullptr, &within),
                  kRunDone);
        ASSERT_EQ(host.Run(&ask, host.Entry(), supportsRGBColor | supportsGrayScale, nullptr, &parameters, &data,
                           &changed),
                  kRunDone);
        ASSERT_NE(parameters, nullptr);
        const SevenLongParams ran{60, 10, 3, 1, 0, 0, 0};
        EXPECT_EQ(std::memcmp(parameters->data, &ran, sizeof ran), 0);
        const std::vector<uint8_t> in = TopDown(source);
        const RefPicture picture{w, h, 3, in.data()};
        const AnalyticField field(w, h, 3, 1, 60, 10);
        const uint8_t back[3] = {0, 0, 0};
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x)
                for (int32_t k = 0; k < 3; ++k)
                    ASSERT_EQ(destination.At(x, y)[k], RubberPixel(picture, {0, 0, w, h}, field, x, y, k, back))
                        << x << "," << y;
        EXPECT_NE(TopDown(destination), in);
    }
    EXPECT_EQ(preselected, (std::vector<int>{5}));
    EXPECT_EQ(uint32_t(Ini().GetInt("Host", "Hostsign", -1)), PI_HOST_SIG_FXGATE);
    EXPECT_EQ(filterTitles, (std::vector<std::string>{"Whirl"}));
    EXPECT_EQ(Ini().GetInt("Whirl", "Strength", -1), 60);

    // Asked again and cancelled: the picture stays and the run says so.
    filterOk = false;
    ask = 1;
    TestPicture destination = source;
    PIRECT changed{};
    ASSERT_EQ(host.BeginRun(nullptr, 0, 0, &destination, &source, 0, 0, nullptr, nullptr, nullptr, &within),
              kRunDone);
    EXPECT_EQ(host.Run(&ask, host.Entry(), supportsRGBColor, nullptr, &parameters, &data, &changed), kRunCancelled);
    EXPECT_EQ(destination.Pixels(), source.Pixels());
    FreeHostHandle(parameters);
}

} // namespace
