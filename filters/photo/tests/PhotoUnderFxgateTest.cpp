// A photo filter catalogued and run by the plug-in host library: asked for
// its host once, filtering in the deferred mode, and running the kept
// parameters the second time.
#include "PhotoFixture.h"

#include "filters/photo/BrCont.h"
#include "pluginhost/tests/CatalogueRun.h"

namespace {

using PhotoUnderFxgate = PhotoFixture;

TEST_F(PhotoUnderFxgate, BrContRunsThroughTheCatalogue)
{
    stem = "phototest";
    const int32_t id = CatalogueModuleFolder(config.Path(), PHOTO_TEST_MODULE, "Photo test...");
    ASSERT_GT(id, 0);

    filterDialog = [](PhotoFilterDialog& d) {
        d.OnHScroll(ArtFilterDialog::kThumbPosition, 320, 1001);
        d.OnHScroll(ArtFilterDialog::kThumbPosition, 35, 1002);
    };
    TestPicture source(16, 29, 13);
    FillRamp(source, 5);
    CPIInstance application{uint32_t(id)};
    for (int run = 0; run < 2; ++run) {
        const TestPicture destination = RunOnCopy(application, source);
        for (size_t i = 0; i < source.Pixels().size(); ++i)
            ASSERT_EQ(destination.Pixels()[i], BrContSample(source.Pixels()[i], 320, 35))
                << "run " << run << " byte " << i;
    }
    EXPECT_EQ(preselected, (std::vector<int>{5}));
    EXPECT_EQ(filterTitles.size(), 1u);

    filterOk = false;
    ExpectCancelledApplication(uint32_t(id), source);
}

} // namespace
