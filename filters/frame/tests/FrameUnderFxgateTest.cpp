// The test module catalogued and run by the plug-in host library: it asks
// for the host once, works in the deferred mode under Fxgate's unknown
// signature, and runs later applications with the parameters Fxgate kept.
#include "FrameFixture.h"

#include "pluginhost/Fxgate.h"
#include "pluginhost/FxgateLibrary.h"
#include "pluginhost/tests/TestPicture.h"

#include <filesystem>

namespace {

using FrameUnderFxgate = FrameFixture;

TEST_F(FrameUnderFxgate, RunsThroughTheCatalogueInDeferredMode)
{
    // The module's own folder, from which it finds the libraries beside the
    // programs.
    const std::string folder = std::filesystem::path(FRAME_TEST_MODULE).parent_path();
    const std::string catalogue = config / "Telvy12.DAT";
    const PIInitPaths paths{catalogue.c_str(), folder.c_str()};
    ASSERT_EQ(PIInitPluginSupport(&paths), 1);
    const int32_t id = Fxgate()->catalogue.IdByName("Frame test...");
    ASSERT_GT(id, 0);

    TestPicture source(16, 37, 21);
    for (size_t i = 0; i < source.Pixels().size(); ++i)
        source.Pixels()[i] = uint8_t(i * 5 + 1);
    int32_t within = 0;
    CPIInstance application{uint32_t(id)};
    for (int run = 0; run < 2; ++run) {
        TestPicture destination = source;
        PIRECT changed{};
        ASSERT_NO_THROW(application.Execute(nullptr, 0, 0, &destination, &source, PIPOINT{0, 0}, nullptr, nullptr,
                                         nullptr, &changed, &within));
        for (size_t i = 0; i < source.Pixels().size(); ++i)
            ASSERT_EQ(destination.Pixels()[i], uint8_t(255 - source.Pixels()[i])) << "run " << run << " byte " << i;
    }
    // Fxgate's signature is no row of the list: "Unknown host", asked once.
    EXPECT_EQ(preselected, (std::vector<int>{5}));
    EXPECT_EQ(uint32_t(Ini().GetInt("Host", "Hostsign", -1)), PI_HOST_SIG_FXGATE);
    // The second run of the application filters with the kept parameters.
    EXPECT_EQ(filterDialogs, 1);

    // A cancelled dialog is a cancelled run for Fxgate.
    filterOk = false;
    TestPicture destination = source;
    PIRECT changed{};
    CPIInstance instance{uint32_t(id)};
    EXPECT_THROW(instance.Execute(nullptr, 0, 0, &destination, &source, PIPOINT{0, 0}, nullptr, nullptr, nullptr,
                                  &changed, &within),
                 piInst_cancel);
    EXPECT_EQ(destination.Pixels(), source.Pixels());
}

} // namespace
