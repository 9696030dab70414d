// rubber.8bf catalogued and run by the plug-in host library: its property
// list names "Rubber...", the first run asks for the host (unknown: row 5,
// deferred bands) and opens the dialog, and the picture comes back
// stretched by the drag, as does a second run with the kept parameters.
#include "RubberFixture.h"

#include "pluginhost/tests/CatalogueRun.h"

namespace {

using RubberUnderFxgate = RubberFixture;

TEST_F(RubberUnderFxgate, StretchesThePictureByTheDialogsDrag)
{
    const int32_t id = CatalogueModuleFolder(config.Path(), RUBBER_MODULE, "Rubber...");
    ASSERT_GT(id, 0);

    TestPicture source(16, 37, 21);
    for (int32_t y = 0; y < 21; ++y)
        for (int32_t x = 0; x < 37; ++x)
            for (int32_t k = 0; k < 3; ++k)
                source.At(x, y)[k] = uint8_t(k == 0 ? x * 7 : k == 1 ? y * 12 : ((x / 4 + y / 3) % 2) * 200);
    RubberParams stored{};
    rubberDialog = [&](fw::Dialog& d) {
        QWidget* mesh = d.GetDlgItem(1006);
        d.grab();
        const int32_t pw = mesh->width(), ph = mesh->height();
        const QPoint press(pw / 3, ph / 2), move(pw / 3 + 40, ph / 2 - 25);
        Drag(mesh, press, move);
        stored = RubberParams{40 * 1000 / pw, -25 * 1000 / ph, press.x() * 1000 / pw, press.y() * 1000 / ph, 0, 0};
    };
    CPIInstance application{uint32_t(id)};
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        TestPicture destination = RunOnCopy(application, source);
        const std::vector<uint8_t> in = TopDown(source);
        const RefPicture picture{37, 21, 3, in.data()};
        const RubberField field(37, 21, stored);
        const uint8_t back[3] = {0, 0, 0};
        for (int32_t y = 0; y < 21; ++y)
            for (int32_t x = 0; x < 37; ++x)
                for (int32_t k = 0; k < 3; ++k)
                    ASSERT_EQ(destination.At(x, y)[k], RubberPixel(picture, {0, 0, 37, 21}, field, x, y, k, back))
                        << x << "," << y;
        EXPECT_NE(TopDown(destination), in);
    }
    EXPECT_EQ(preselected, (std::vector<int>{5}));
    EXPECT_EQ(uint32_t(Ini().GetInt("Host", "Hostsign", -1)), PI_HOST_SIG_FXGATE);
    EXPECT_EQ(rubberDialogs, 1);

    // A cancelled dialog is a cancelled run for Fxgate.
    filterOk = false;
    rubberDialog = {};
    ExpectCancelledApplication(uint32_t(id), source);
}

} // namespace
