// Explosions and Collapses of rubber.8bf under the scripted host: a stored
// block run with the family's first variant, the dialog (settings read at
// the start, the variant box and its label, OK writing the settings,
// Cancel answering user-cancel), and "Freeze" repeating a run.
#include "BurstReference.h"
#include "RubberFixture.h"

#include "filters/rubber/SevenLongParams.h"
#include "platform/TickClock.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace {

using BurstRun = RubberFixture;

const Rect kWhole{0, 0, 0, 0};

SevenLongParams& Block(ScriptedHost& host) { return *static_cast<SevenLongParams*>(host.parameters->data); }

uint32_t tick = 0;
uint32_t FixedTick() { return tick; }

// What the module wrote, against the formulas with seed.
void ExpectBurst(const ScriptedHost& host, const SevenLongParams& p, uint32_t seed)
{
    const Rect& r = host.FilterRect();
    const RefArea f{r.left, r.top, r.right, r.bottom};
    const RefPicture in{host.Width(), host.Height(), host.Planes(), host.input.data()};
    const BurstField field(f.right - f.left, f.bottom - f.top, p.type, p.strength, p.size, seed);
    for (int32_t y = 0; y < host.Height(); ++y)
        for (int32_t x = 0; x < host.Width(); ++x)
            for (int32_t k = 0; k < host.Planes(); ++k)
                ASSERT_EQ(host.Out(x, y, k), RubberPixel(in, f, field, x, y, k, host.record.backColor))
                    << "pixel " << x << "," << y << " plane " << k;
}

struct StoredCase {
    const char* name;
    const char* entry;
    int32_t type;
    uint32_t sig;
    int32_t width, height;
    int16_t planes;
    Rect filterRect;
    int32_t maxSpace;
    int32_t strength, size, freeze;
};

void PrintTo(const StoredCase& c, std::ostream* out) { *out << c.name; }

class BurstStored : public RubberFixture, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(BurstStored, RunsTheFamilysFirstVariantWithTheStoredBlock)
{
    const StoredCase& c = GetParam();
    RememberHost(2, c.sig);
    tick = 4711;
    const auto previous = platform::TickClock::SetSource(&FixedTick);
    auto host = MakeHost({c.sig, true, c.width, c.height, c.planes, c.filterRect, c.maxSpace}, c.entry);
    host->Reset();
    ASSERT_EQ(host->Call(filterSelectorParameters), 0);
    Block(*host) = SevenLongParams{c.strength, c.size, 2, 0, c.freeze, 0, 0};
    ASSERT_EQ(host->Run(false), 0);
    platform::TickClock::SetSource(previous);
    EXPECT_TRUE(filterTitles.empty());
    EXPECT_EQ(host->badRequests, 0);
    const SevenLongParams ran{c.strength, c.size, c.type, 0, c.freeze, 0, 0};
    EXPECT_EQ(std::memcmp(&Block(*host), &ran, sizeof ran), 0);
    ExpectBurst(*host, ran, c.freeze ? 1 : 4711);
    EXPECT_NE(host->output, host->input);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, BurstStored,
    ::testing::Values(StoredCase{"BurstFrozen", "ENTRYPOINT12", 0, PI_HOST_SIG_EDITOR, 61, 43, 3, kWhole, 0, 60, 8, 1},
                      StoredCase{"EarthQuakeNarrowBands", "ENTRYPOINT13", 3, PI_FOURCC('8', 'B', 'I', 'M'), 50, 40,
                                 3, kWhole, 50 * 3 * 3 * 4, 40, 12, 0},
                      StoredCase{"BurstSelectionGrey", "ENTRYPOINT12", 0, PI_HOST_SIG_EDITOR, 57, 45, 1,
                                 Rect{6, 9, 38, 50}, 0, 100, 5, 1}),
    [](const ::testing::TestParamInfo<StoredCase>& info) { return std::string(info.param.name); });

TEST_F(BurstRun, DialogStartsFromTheSettingsAndOkWritesThem)
{
    RememberHost(2, PI_HOST_SIG_EDITOR);
    Ini().WriteInt("Explosions", "Strength", 35);
    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 70, 50, 3, kWhole, 0}, "ENTRYPOINT12");
    filterDialog = [&](fw::Dialog& d) {
        auto* strength = qobject_cast<QSlider*>(d.GetDlgItem(1058));
        auto* size = qobject_cast<QSlider*>(d.GetDlgItem(1056));
        auto* sizeEdit = qobject_cast<QLineEdit*>(d.GetDlgItem(1057));
        auto* variant = qobject_cast<QComboBox*>(d.GetDlgItem(1011));
        auto* label = qobject_cast<QLabel*>(d.GetDlgItem(1075));
        auto* freeze = qobject_cast<QAbstractButton*>(d.GetDlgItem(1008));
        ASSERT_TRUE(strength && size && sizeEdit && variant && label && freeze);
        EXPECT_EQ(strength->value(), 35);
        EXPECT_EQ(size->value(), 10);
        EXPECT_EQ(size->minimum(), 4);
        EXPECT_EQ(size->maximum(), 100);
        EXPECT_EQ(sizeEdit->text(), "10");
        EXPECT_FALSE(freeze->isChecked());
        ASSERT_EQ(variant->count(), 3);
        EXPECT_EQ(variant->itemText(0), "Burst");
        EXPECT_EQ(variant->itemText(2), "Splash");
        EXPECT_EQ(label->text(), "&Number of peakes (4...100):");
        EXPECT_EQ(Block(*host).type, 0);

        variant->setCurrentIndex(2);
        emit variant->activated(2);
        EXPECT_EQ(Block(*host).type, 2);
        EXPECT_EQ(label->text(), "&Density (4...100):");
        // The size's edit box refuses what lies below its track bar.
        sizeEdit->setText("3");
        EXPECT_EQ(size->value(), 10);
        sizeEdit->setText("45");
        EXPECT_EQ(Block(*host).size, 45);
        strength->triggerAction(QAbstractSlider::SliderPageStepAdd);
        EXPECT_EQ(Block(*host).strength, 45);
        freeze->click();
        EXPECT_EQ(Block(*host).freeze, 1);
        if (const char* folder = std::getenv("ANALYTIC_DIALOG_PNG"))
            d.grab().save(QString::fromStdString(std::string(folder) + "/Explosions.png"));
        d.PressButton(9);
    };
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(filterTitles, (std::vector<std::string>{"Explosions"}));
    EXPECT_EQ(helpTopics, (std::vector<uint32_t>{1}));
    const SevenLongParams expected{45, 45, 2, 0, 1, 0, 0};
    EXPECT_EQ(std::memcmp(&Block(*host), &expected, sizeof expected), 0);
    // Freeze ticked in the dialog holds for the run it opened.
    ExpectBurst(*host, expected, 1);
    EXPECT_EQ(Ini().GetInt("Explosions", "Strength", -1), 45);
    EXPECT_EQ(Ini().GetInt("Explosions", "Size", -1), 45);
    EXPECT_EQ(Ini().GetInt("Explosions", "Type", -1), 2);
    EXPECT_EQ(Ini().GetInt("Explosions", "Freeze", -1), 1);
}

TEST_F(BurstRun, CancelAnswersUserCancelAndWritesNoSettings)
{
    RememberHost(2, PI_HOST_SIG_EDITOR);
    Ini().WriteInt("Collapses", "Type", 5);
    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 40, 30, 3, kWhole, 0}, "ENTRYPOINT13");
    filterOk = false;
    filterDialog = [&](fw::Dialog& d) {
        auto* variant = qobject_cast<QComboBox*>(d.GetDlgItem(1011));
        ASSERT_NE(variant, nullptr);
        EXPECT_EQ(variant->itemText(0), "Earth quake");
        EXPECT_EQ(variant->currentIndex(), 2);
        EXPECT_EQ(qobject_cast<QSlider*>(d.GetDlgItem(1056))->value(), 70);
        qobject_cast<QSlider*>(d.GetDlgItem(1058))->triggerAction(QAbstractSlider::SliderPageStepAdd);
        d.PressButton(9);
    };
    EXPECT_EQ(host->Run(true), userCanceledErr);
    EXPECT_EQ(filterTitles, (std::vector<std::string>{"Collapses"}));
    EXPECT_EQ(helpTopics, (std::vector<uint32_t>{2}));
    EXPECT_EQ(host->output, host->input);
    EXPECT_EQ(Ini().GetInt("Collapses", "Strength", -1), -1);
    EXPECT_EQ(Ini().GetInt("Collapses", "Type", -1), 5);
}

TEST_F(BurstRun, FreezeRepeatsTheRunAndItsAbsenceDoesNot)
{
    RememberHost(2, PI_HOST_SIG_EDITOR);
    const auto previous = platform::TickClock::SetSource(&FixedTick);
    // Black hole from the settings, with and without "Freeze", at two ticks.
    Ini().WriteInt("Collapses", "Type", 5);
    std::vector<std::vector<uint8_t>> outputs;
    for (int32_t frozen : {1, 0})
        for (uint32_t t : {1000u, 2000u}) {
            Ini().WriteInt("Collapses", "Freeze", frozen);
            tick = t;
            auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 48, 36, 3, kWhole, 0}, "ENTRYPOINT13");
            ASSERT_EQ(host->Run(true), 0);
            EXPECT_EQ(Block(*host).type, 5);
            ExpectBurst(*host, Block(*host), frozen ? 1 : t);
            outputs.push_back(host->output);
        }
    platform::TickClock::SetSource(previous);
    EXPECT_EQ(outputs[0], outputs[1]);
    EXPECT_NE(outputs[2], outputs[3]);
}

} // namespace
