// A photo filter catalogued and run by the plug-in host library: asked for
// its host once, filtering in the deferred mode, and running the kept
// parameters the second time.
#include "PhotoFixture.h"

#include "filters/photo/BrCont.h"
#include "pluginhost/Fxgate.h"
#include "pluginhost/FxgateLibrary.h"
#include "pluginhost/tests/TestPicture.h"

namespace {

using PhotoUnderFxgate = PhotoFixture;

TEST_F(PhotoUnderFxgate, BrContRunsThroughTheCatalogue)
{
    stem = "phototest";
    const std::string folder = std::filesystem::path(PHOTO_TEST_MODULE).parent_path();
    const std::string catalogue = config / "Telvy12.DAT";
    const PIInitPaths paths{catalogue.c_str(), folder.c_str()};
    ASSERT_EQ(PIInitPluginSupport(&paths), 1);
    const int32_t id = Fxgate()->catalogue.IdByName("Photo test...");
    ASSERT_GT(id, 0);

    filterDialog = [](PhotoFilterDialog& d) {
        d.OnHScroll(ArtFilterDialog::kThumbPosition, 320, 1001);
        d.OnHScroll(ArtFilterDialog::kThumbPosition, 35, 1002);
    };
    TestPicture source(16, 29, 13);
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
            ASSERT_EQ(destination.Pixels()[i], BrContSample(source.Pixels()[i], 320, 35))
                << "run " << run << " byte " << i;
    }
    EXPECT_EQ(preselected, (std::vector<int>{5}));
    EXPECT_EQ(filterTitles.size(), 1u);

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
