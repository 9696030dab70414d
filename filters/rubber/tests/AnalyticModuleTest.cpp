// Pinch, Punch, Wave and Whirl of rubber.8bf under the scripted host:
// stored parameters filtering the picture in each host mode, the block
// that Parameters makes and keeps, the dialogs (settings read at the
// start, track bars, edit boxes and radio buttons storing and refreshing
// the preview, OK writing the settings, Cancel answering user-cancel).
#include "AnalyticReference.h"
#include "RubberFixture.h"

#include "filters/rubber/SevenLongParams.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QSlider>
#include <cstdlib>

namespace {

using AnalyticRun = RubberFixture;

const Rect kWhole{0, 0, 0, 0};

SevenLongParams& Block(ScriptedHost& host) { return *static_cast<SevenLongParams*>(host.parameters->data); }

AnalyticField FieldOf(int32_t width, int32_t height, const SevenLongParams& p)
{
    return AnalyticField(width, height, p.type, p.direction, p.strength, p.size);
}

// What the module wrote over the whole picture, against the formulas.
void ExpectDistorted(const ScriptedHost& host, const SevenLongParams& p)
{
    const Rect& r = host.FilterRect();
    const RefArea f{r.left, r.top, r.right, r.bottom};
    const RefPicture in{host.Width(), host.Height(), host.Planes(), host.input.data()};
    const AnalyticField field = FieldOf(f.right - f.left, f.bottom - f.top, p);
    for (int32_t y = 0; y < host.Height(); ++y)
        for (int32_t x = 0; x < host.Width(); ++x)
            for (int32_t k = 0; k < host.Planes(); ++k)
                ASSERT_EQ(host.Out(x, y, k), RubberPixel(in, f, field, x, y, k, host.record.backColor))
                    << "pixel " << x << "," << y << " plane " << k;
}

// The last preview shown, against the formulas at the tile's size.
void ExpectPreview(const ShownMap& shown, const ShownMap& unfiltered, int32_t planes, const SevenLongParams& p)
{
    ASSERT_EQ(shown.width, unfiltered.width);
    const RefPicture tile{unfiltered.width, unfiltered.height, planes, unfiltered.pixels.data()};
    const AnalyticField field = FieldOf(tile.width, tile.height, p);
    for (int32_t y = 0; y < tile.height; ++y)
        for (int32_t x = 0; x < tile.width; ++x)
            for (int32_t k = 0; k < planes; ++k)
                ASSERT_EQ(shown.pixels[size_t((y * tile.width + x) * planes + k)],
                          RubberPreviewPixel(tile, field, x, y, k))
                    << "preview " << x << "," << y;
}

struct StoredCase {
    const char* name;
    const char* entry;
    int32_t type;
    int32_t row;
    uint32_t sig;
    bool advance;
    int32_t width, height;
    int16_t planes;
    Rect filterRect;
    int32_t maxSpace;
    int32_t strength, size, direction;
};

void PrintTo(const StoredCase& c, std::ostream* out) { *out << c.name; }

class AnalyticStored : public RubberFixture, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(AnalyticStored, FiltersWithTheStoredBlockAndItsOwnType)
{
    const StoredCase& c = GetParam();
    RememberHost(c.row, c.sig);
    auto host = MakeHost({c.sig, c.advance, c.width, c.height, c.planes, c.filterRect, c.maxSpace}, c.entry);
    host->Reset();
    ASSERT_EQ(host->Call(filterSelectorParameters), 0);
    // A new block is zero but for the dialog request.
    const SevenLongParams fresh{0, 0, 0, 0, 0, 0, 1};
    EXPECT_EQ(std::memcmp(&Block(*host), &fresh, sizeof fresh), 0);
    // Start writes the entry's type over whatever the block held.
    Block(*host) = SevenLongParams{c.strength, c.size, 9, c.direction, 0, 0, 0};
    ASSERT_EQ(host->Run(false), 0);
    EXPECT_TRUE(filterTitles.empty());
    EXPECT_EQ(host->badRequests, 0);
    const SevenLongParams ran{c.strength, c.size, c.type, c.direction, 0, 0, 0};
    EXPECT_EQ(std::memcmp(&Block(*host), &ran, sizeof ran), 0);
    ExpectDistorted(*host, ran);
    EXPECT_NE(host->output, host->input);

    // Parameters again keeps the values and asks for the dialog; About is
    // not answered.
    host->Reset();
    ASSERT_EQ(host->Call(filterSelectorParameters), 0);
    SevenLongParams asked = ran;
    asked.showDialog = 1;
    EXPECT_EQ(std::memcmp(&Block(*host), &asked, sizeof asked), 0);
    AboutRecord about{};
    EXPECT_EQ(host->CallAbout(&about), 0);
    EXPECT_TRUE(aboutTexts.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Filters, AnalyticStored,
    ::testing::Values(
        StoredCase{"PinchRadialRowByRow", "ENTRYPOINT3", 0, 2, PI_FOURCC('F', 'S', 'X', '3'), true, 61, 43, 3, kWhole,
                   0, 30, 10, 2},
        StoredCase{"PunchAlongXNarrowBandsPaintsTheBackground", "ENTRYPOINT4", 1, 0, PI_FOURCC('8', 'B', 'I', 'M'), true,
                   50, 40, 3, kWhole, 50 * 3 * 3 * 4, 25, 10, 0},
        StoredCase{"WaveVerticalSelectionInOneBand", "ENTRYPOINT11", 2, 1, 0x018E6FDB, true, 57, 45, 3,
                   Rect{6, 9, 38, 50}, 0, 40, 3, 0},
        StoredCase{"WaveRadialSelectionRowByRow", "ENTRYPOINT11", 2, 2, PI_HOST_SIG_EDITOR, true, 50, 36, 3,
                   Rect{3, 4, 30, 44}, 0, 50, 4, 2},
        StoredCase{"WhirlDeferredGrey", "ENTRYPOINT10", 3, 5, PI_HOST_SIG_EDITOR, false, 39, 33, 1, kWhole, 39 * 3 * 5,
                   80, 10, 1}),
    [](const ::testing::TestParamInfo<StoredCase>& info) { return std::string(info.param.name); });

struct DialogCase {
    const char* name;
    const char* entry;
    const char* title;
    int32_t type;
    uint32_t help;
    // Settings before the run: Strength, Size, Direction; -1 for absent.
    int32_t iniStrength, iniSize, iniDirection;
    // What the dialog opens with.
    int32_t slider, strength, size, direction;
    uint32_t strengthSlider, strengthEdit;
    uint32_t wavesSlider; // 0: none
    // The radio clicked and its mode.
    uint32_t radio;
    int32_t mode;
    // After a page up (and a line up of the waves): block and settings.
    int32_t strengthAfter, sizeAfter, iniStrengthAfter;
};

void PrintTo(const DialogCase& c, std::ostream* out) { *out << c.name; }

class AnalyticDialog : public RubberFixture, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(AnalyticDialog, StartsFromTheSettingsStoresEachChangeAndOkWritesThem)
{
    const DialogCase& c = GetParam();
    RememberHost(2, PI_HOST_SIG_EDITOR);
    {
        platform::IniFile ini = Ini();
        if (c.iniStrength >= 0)
            ini.WriteInt(c.title, "Strength", c.iniStrength);
        if (c.iniSize >= 0)
            ini.WriteInt(c.title, "Size", c.iniSize);
        if (c.iniDirection >= 0)
            ini.WriteInt(c.title, "Direction", c.iniDirection);
    }
    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 240, 160, 3, kWhole, 0}, c.entry);
    SevenLongParams expected{};
    filterDialog = [&](fw::Dialog& d) {
        auto* slider = qobject_cast<QSlider*>(d.GetDlgItem(c.strengthSlider));
        auto* edit = qobject_cast<QLineEdit*>(d.GetDlgItem(c.strengthEdit));
        auto* radio = qobject_cast<QAbstractButton*>(d.GetDlgItem(c.radio));
        ASSERT_TRUE(slider && edit && radio);
        EXPECT_EQ(slider->value(), c.slider);
        EXPECT_EQ(edit->text().toStdString(), std::to_string(c.slider));
        EXPECT_EQ(slider->minimum(), 1);
        EXPECT_EQ(slider->maximum(), 100);
        EXPECT_EQ(slider->tickInterval(), 10);
        const SevenLongParams opened{c.strength, c.size, c.type, c.direction, 0, 0, 1};
        EXPECT_EQ(std::memcmp(&Block(*host), &opened, sizeof opened), 0);
        EXPECT_FALSE(radio->isChecked());

        // The preview opens filtered, at most 180 pixels a side; with
        // "Process preview" off it shows the picture as it is.
        d.grab();
        ASSERT_FALSE(host->shown.empty());
        const ShownMap opening = host->shown.back();
        d.PressButton(1015);
        d.grab();
        const ShownMap unfiltered = host->shown.back();
        EXPECT_EQ(unfiltered.width, 180);
        EXPECT_EQ(unfiltered.height, 120);
        ExpectPreview(opening, unfiltered, 3, opened);
        d.PressButton(1015);

        slider->triggerAction(QAbstractSlider::SliderPageStepAdd);
        EXPECT_EQ(Block(*host).strength, c.strengthAfter);
        EXPECT_EQ(edit->text().toStdString(), std::to_string(c.slider + 10));
        if (c.wavesSlider) {
            auto* waves = qobject_cast<QSlider*>(d.GetDlgItem(c.wavesSlider));
            ASSERT_NE(waves, nullptr);
            EXPECT_EQ(waves->maximum(), 50);
            waves->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        }
        EXPECT_EQ(Block(*host).size, c.sizeAfter);
        radio->click();
        EXPECT_TRUE(radio->isChecked());
        EXPECT_EQ(Block(*host).direction, c.mode);
        expected = SevenLongParams{c.strengthAfter, c.sizeAfter, c.type, c.mode, 0, 0, 0};
        // A folder in ANALYTIC_DIALOG_PNG keeps a picture of each dialog.
        if (const char* folder = std::getenv("ANALYTIC_DIALOG_PNG"))
            d.grab().save(QString::fromStdString(std::string(folder) + "/" + c.title + ".png"));
        else
            d.grab();
        ExpectPreview(host->shown.back(), unfiltered, 3, expected);
        d.PressButton(9);
    };
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(filterTitles, (std::vector<std::string>{c.title}));
    EXPECT_EQ(helpTopics, (std::vector<uint32_t>{c.help}));
    EXPECT_EQ(std::memcmp(&Block(*host), &expected, sizeof expected), 0);
    ExpectDistorted(*host, expected);
    EXPECT_EQ(Ini().GetInt(c.title, "Strength", -1), c.iniStrengthAfter);
    EXPECT_EQ(Ini().GetInt(c.title, "Size", -1), c.sizeAfter);
    EXPECT_EQ(Ini().GetInt(c.title, "Direction", -1), c.mode);
    EXPECT_EQ(Ini().GetInt("PREVIEW", "SHOW", -1), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, AnalyticDialog,
    ::testing::Values(
        // Pinch and Punch store half the track bar and write it doubled.
        DialogCase{"PinchFromDefaults", "ENTRYPOINT3", "Pinch", 0, 8, -1, -1, -1, 50, 25, 10, 0, 1025, 1026, 0, 1031,
                   2, 30, 10, 60},
        DialogCase{"PunchFromSettings", "ENTRYPOINT4", "Punch", 1, 9, 31, 12, 1, 31, 15, 12, 1, 1025, 1026, 0, 1032, 0,
                   20, 12, 40},
        DialogCase{"WaveFromSettings", "ENTRYPOINT11", "Wave", 2, 12, 70, 4, 1, 70, 35, 4, 1, 1053, 1026, 1057, 1054, 2,
                   40, 5, 80},
        // Whirl stores the track bar as it is.
        DialogCase{"WhirlFromDefaults", "ENTRYPOINT10", "Whirl", 3, 3, -1, -1, -1, 50, 50, 10, 0, 1050, 1026, 0, 1052,
                   1, 60, 10, 60}),
    [](const ::testing::TestParamInfo<DialogCase>& info) { return std::string(info.param.name); });

TEST_F(AnalyticRun, TrackBarsAndEditBoxesStoreWhatTheyShow)
{
    RememberHost(2, PI_HOST_SIG_EDITOR);
    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 60, 40, 3, kWhole, 0}, "ENTRYPOINT3");
    filterDialog = [&](fw::Dialog& d) {
        auto* slider = qobject_cast<QSlider*>(d.GetDlgItem(1025));
        auto* edit = qobject_cast<QLineEdit*>(d.GetDlgItem(1026));
        ASSERT_TRUE(slider && edit);
        // A number in range moves the track bar; the edit keeps the text.
        edit->setText("37");
        EXPECT_EQ(slider->value(), 37);
        EXPECT_EQ(Block(*host).strength, 18);
        for (const char* refused : {"abc", "", "150", "0", "-5", "3x"}) {
            edit->setText(refused);
            EXPECT_EQ(slider->value(), 37) << refused;
            EXPECT_EQ(Block(*host).strength, 18) << refused;
        }
        // A dragged thumb shows its place and stores it when let go.
        slider->setSliderDown(true);
        slider->setSliderPosition(81);
        EXPECT_EQ(edit->text(), "81");
        EXPECT_EQ(Block(*host).strength, 18);
        slider->setSliderDown(false);
        EXPECT_EQ(Block(*host).strength, 40);
        slider->triggerAction(QAbstractSlider::SliderToMaximum);
        EXPECT_EQ(Block(*host).strength, 50);
        // The lowest place: half of 1 is 0, raised to 1.
        slider->triggerAction(QAbstractSlider::SliderToMinimum);
        EXPECT_EQ(edit->text(), "1");
        EXPECT_EQ(Block(*host).strength, 1);
    };
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(Ini().GetInt("Pinch", "Strength", -1), 2);

    // Wave's edit box takes up to 100; its track bar stops at 50 waves.
    auto wave = MakeHost({PI_HOST_SIG_EDITOR, true, 60, 40, 3, kWhole, 0}, "ENTRYPOINT11");
    filterDialog = [&](fw::Dialog& d) {
        auto* edit = qobject_cast<QLineEdit*>(d.GetDlgItem(1027));
        ASSERT_NE(edit, nullptr);
        edit->setText("70");
        EXPECT_EQ(qobject_cast<QSlider*>(d.GetDlgItem(1057))->value(), 50);
        EXPECT_EQ(Block(*wave).size, 50);
        EXPECT_EQ(edit->text(), "70");
    };
    ASSERT_EQ(wave->Run(true), 0);
    EXPECT_EQ(Ini().GetInt("Wave", "Size", -1), 50);
}

TEST_F(AnalyticRun, CancelAnswersUserCancelAndWritesNoFilterSettings)
{
    RememberHost(2, PI_HOST_SIG_EDITOR);
    Ini().WriteInt("Whirl", "Strength", 20);
    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 40, 30, 3, kWhole, 0}, "ENTRYPOINT10");
    filterOk = false;
    filterDialog = [&](fw::Dialog& d) {
        qobject_cast<QSlider*>(d.GetDlgItem(1050))->triggerAction(QAbstractSlider::SliderPageStepAdd);
        qobject_cast<QAbstractButton*>(d.GetDlgItem(1052))->click();
        EXPECT_EQ(Block(*host).strength, 30);
    };
    EXPECT_EQ(host->Run(true), userCanceledErr);
    EXPECT_EQ(host->output, host->input);
    EXPECT_EQ(Block(*host).showDialog, 1);
    EXPECT_EQ(Ini().GetInt("Whirl", "Strength", -1), 20);
    EXPECT_EQ(Ini().GetInt("Whirl", "Direction", -1), -1);
    EXPECT_EQ(Ini().GetInt("Whirl", "Size", -1), -1);

    // A direction from an edited settings file checks no button and leaves
    // the picture as it is.
    filterOk = true;
    Ini().WriteInt("Whirl", "Direction", 5);
    filterDialog = [&](fw::Dialog& d) {
        for (uint32_t id : {1051u, 1052u})
            EXPECT_FALSE(qobject_cast<QAbstractButton*>(d.GetDlgItem(id))->isChecked());
    };
    EXPECT_EQ(host->Run(true), 0);
    EXPECT_EQ(host->output, host->input);
}

} // namespace
