// The test module catalogued and run by the plug-in host library: it asks
// for the host once, works in the deferred mode under Fxgate's unknown
// signature, and runs later applications with the parameters Fxgate kept.
#include "FrameFixture.h"

#include "pluginhost/tests/CatalogueRun.h"

namespace {

using FrameUnderFxgate = FrameFixture;

TEST_F(FrameUnderFxgate, RunsThroughTheCatalogueInDeferredMode)
{
    // The module's own folder, from which it finds the libraries beside the
    // programs.
    const int32_t id = CatalogueModuleFolder(config.Path(), FRAME_TEST_MODULE, "Frame test...");
    ASSERT_GT(id, 0);

    TestPicture source(16, 37, 21);
    FillRamp(source, 5);
    CPIInstance application{uint32_t(id)};
    for (int run = 0; run < 2; ++run) {
        const TestPicture destination = RunOnCopy(application, source);
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
    ExpectCancelledApplication(uint32_t(id), source);
}

} // namespace
