// rubber.8bf under the scripted host: stored stretches at the picture's own
// size in each host mode, the dialog's drag on the preview (stored in
// thousandths, the preview filtered at the release, the picture after OK),
// Cancel, help, About and the settings the module keeps.
#include "RubberFixture.h"

#include <QAbstractButton>
#include <cstdlib>

namespace {

using RubberRun = RubberFixture;

struct StoredCase {
    const char* name;
    int32_t row;
    uint32_t sig;
    bool advance;
    int32_t width, height;
    int16_t planes;
    Rect filterRect;
    int32_t maxSpace;
    RubberParams params;
};

void PrintTo(const StoredCase& c, std::ostream* out) { *out << c.name; }

class RubberStored : public RubberFixture, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(RubberStored, StretchesThePictureWithTheStoredDrag)
{
    const StoredCase& c = GetParam();
    RememberHost(c.row, c.sig);
    auto host = MakeHost({c.sig, c.advance, c.width, c.height, c.planes, c.filterRect, c.maxSpace});
    host->Reset();
    ASSERT_EQ(host->Call(filterSelectorParameters), 0);
    // Parameters writes the undragged defaults and asks for the dialog.
    const RubberParams defaults{0, 0, 500, 500, 0, 1};
    EXPECT_EQ(std::memcmp(&Params(*host), &defaults, sizeof defaults), 0);
    Params(*host) = c.params;
    Params(*host).showDialog = 0;
    ASSERT_EQ(host->Run(false), 0);
    EXPECT_EQ(rubberDialogs, 0);
    EXPECT_EQ(host->badRequests, 0);
    ExpectStretched(*host, c.params);
    if (c.params.dragX == 0 && c.params.dragY == 0) {
        EXPECT_EQ(host->output, host->input);
    }
}

const Rect kWhole{0, 0, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    Hosts, RubberStored,
    ::testing::Values(
        StoredCase{"PainterRowByRow", 2, PI_FOURCC('F', 'S', 'X', '3'), true, 61, 43, 3, kWhole, 0,
                   {180, -220, 400, 600, 0, 0}},
        StoredCase{"PhotoshopNarrowBands", 0, PI_FOURCC('8', 'B', 'I', 'M'), true, 50, 40, 3, kWhole, 50 * 3 * 3 * 4,
                   {-300, 150, 700, 300, 0, 0}},
        StoredCase{"CorelSelectionInOneBand", 1, 0x018E6FDB, true, 57, 45, 3, Rect{6, 9, 38, 50}, 0,
                   {250, 200, 300, 350, 0, 0}},
        StoredCase{"EditorDeferredGrey", 5, PI_HOST_SIG_EDITOR, false, 39, 33, 1, kWhole, 39 * 3 * 5,
                   {-200, -240, 550, 800, 0, 0}},
        StoredCase{"NoDragLeavesThePicture", 2, PI_HOST_SIG_EDITOR, true, 30, 20, 3, kWhole, 0,
                   {0, 0, 300, 700, 0, 0}}),
    [](const ::testing::TestParamInfo<StoredCase>& info) { return std::string(info.param.name); });

struct DialogCase {
    const char* name;
    int32_t row; // -1: the module asks for the host
    uint32_t sig;
    bool advance;
    int32_t width, height;
    int16_t planes;
    // Press and move in fractions of the preview's size (thousandths).
    int32_t pressX, pressY, moveX, moveY;
};

void PrintTo(const DialogCase& c, std::ostream* out) { *out << c.name; }

class RubberDialogDrag : public RubberFixture, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(RubberDialogDrag, TheDragFiltersThePreviewAndOkFiltersThePicture)
{
    const DialogCase& c = GetParam();
    if (c.row >= 0)
        RememberHost(c.row, c.sig);
    auto host = MakeHost({c.sig, c.advance, c.width, c.height, c.planes, kWhole, 0});
    RubberParams expected{};
    rubberDialog = [&](fw::Dialog& d) {
        QWidget* mesh = d.GetDlgItem(1006);
        ASSERT_NE(mesh, nullptr);
        // The dialog opens undragged, whatever the block held.
        const RubberParams undragged{0, 0, 500, 500, 0, 1};
        EXPECT_EQ(std::memcmp(&Params(*host), &undragged, sizeof undragged), 0);
        d.grab(); // the first paint notes the preview's area
        const size_t shownAtOpening = host->shown.size();
        ASSERT_GT(shownAtOpening, 0u);
        const ShownMap unfiltered = host->shown.back();
        const int32_t pw = mesh->width(), ph = mesh->height();
        EXPECT_EQ(pw, unfiltered.width + 3);
        EXPECT_EQ(ph, unfiltered.height + 3);
        const QPoint press(pw * c.pressX / 1000, ph * c.pressY / 1000);
        const QPoint move(pw * c.moveX / 1000, ph * c.moveY / 1000);
        Drag(mesh, press, move);
        const int32_t dx = std::clamp(move.x() - press.x(), -(press.x() / 2), (pw - press.x() - 1) / 2);
        const int32_t dy = std::clamp(move.y() - press.y(), -(press.y() / 2), (ph - press.y() - 1) / 2);
        expected = RubberParams{dx * 1000 / pw, dy * 1000 / ph, press.x() * 1000 / pw, press.y() * 1000 / ph, 0, 1};
        EXPECT_EQ(std::memcmp(&Params(*host), &expected, sizeof expected), 0);
        // The release filtered the preview at the tile's size; a hidden
        // dialog shows it when grabbed.
        if (const char* png = std::getenv("RUBBER_DIALOG_PNG"))
            d.grab().save(png);
        else
            d.grab();
        ASSERT_GT(host->shown.size(), shownAtOpening);
        const ShownMap& filtered = host->shown.back();
        const RefPicture tile{unfiltered.width, unfiltered.height, c.planes, unfiltered.pixels.data()};
        const RubberField field(tile.width, tile.height, expected);
        for (int32_t y = 0; y < tile.height; ++y)
            for (int32_t x = 0; x < tile.width; ++x)
                for (int32_t k = 0; k < c.planes; ++k)
                    ASSERT_EQ(filtered.pixels[size_t((y * tile.width + x) * c.planes + k)],
                              RubberPreviewPixel(tile, field, x, y, k))
                        << "preview " << x << "," << y;
    };
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(rubberDialogs, 1);
    EXPECT_EQ(Params(*host).showDialog, 0);
    ExpectStretched(*host, expected);
    if (c.row < 0) {
        EXPECT_EQ(preselected, (std::vector<int>{5}));
        EXPECT_EQ(Ini().GetInt("Host", "Hostnum", -1), 5);
        EXPECT_EQ(uint32_t(Ini().GetInt("Host", "Hostsign", -1)), c.sig);
    }
    EXPECT_EQ(Ini().GetInt("PREVIEW", "SHOW", -1), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Hosts, RubberDialogDrag,
    ::testing::Values(DialogCase{"EditorAskedForTheHost", -1, PI_HOST_SIG_EDITOR, false, 60, 40, 3, 400, 500, 620, 330},
                      DialogCase{"PainterRowByRowGrey", 2, PI_FOURCC('F', 'S', 'X', '3'), true, 37, 52, 1, 700, 300, 50,
                                 950},
                      DialogCase{"PhotoshopSampled", 0, PI_FOURCC('8', 'B', 'I', 'M'), true, 48, 36, 3, 250, 750, 900,
                                 100},
                      DialogCase{"ReleasedWithoutMoving", 2, PI_HOST_SIG_EDITOR, true, 30, 30, 3, 500, 500, 500,
                                 500}),
    [](const ::testing::TestParamInfo<DialogCase>& info) { return std::string(info.param.name); });

TEST_F(RubberRun, CancelLeavesThePictureAndAnswersUserCancel)
{
    RememberHost(2, PI_HOST_SIG_EDITOR);
    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 40, 30, 3, kWhole, 0});
    filterOk = false;
    rubberDialog = [&](fw::Dialog& d) {
        d.grab();
        Drag(d.GetDlgItem(1006), QPoint(60, 40), QPoint(90, 60));
        d.PressButton(9);    // help
        d.PressButton(1015); // preview off, kept even on Cancel
        auto* box = qobject_cast<QAbstractButton*>(d.GetDlgItem(1015));
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(box->isChecked());
    };
    EXPECT_EQ(host->Run(true), userCanceledErr);
    EXPECT_EQ(rubberDialogs, 1);
    EXPECT_EQ(host->output, host->input);
    EXPECT_EQ(helpTopics, (std::vector<uint32_t>{6}));
    EXPECT_EQ(Ini().GetInt("PREVIEW", "SHOW", -1), 0);
    // The block still asks for the dialog next time.
    EXPECT_EQ(Params(*host).showDialog, 1);

    // The next dialog starts with the preview off, as the settings keep it.
    filterOk = true;
    bool previewOn = true;
    rubberDialog = [&](fw::Dialog& d) {
        previewOn = qobject_cast<QAbstractButton*>(d.GetDlgItem(1015))->isChecked();
    };
    EXPECT_EQ(host->Run(true), 0);
    EXPECT_FALSE(previewOn);
    EXPECT_EQ(host->output, host->input); // OK without a drag
}

TEST_F(RubberRun, AboutNamesTheCollectionAndVersion)
{
    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 10, 10, 3, kWhole, 0});
    AboutRecord about{};
    EXPECT_EQ(host->CallAbout(&about), 0);
    EXPECT_EQ(aboutTexts, (std::vector<std::string>{"Orvane Plug-in Collection", "Rubber v.1.0"}));
}

} // namespace
