// Gravity, Wind and Pixel storm of rubber.8bf: the engine's field against
// the formulas for each filter, seed and work size; what density, strength
// and "Freeze" do; stored blocks in every host mode; the dialogs (settings
// read at the start, track bars, the direction's dial, "Freeze", the
// preview following, OK writing the settings, Cancel answering
// user-cancel); and each filter run by the plug-in host library by path
// and entry name.
#include "FilterRunCheck.h"
#include "FxgateByName.h"
#include "ParticleReference.h"

#include "filters/frame/ZvSfAngleClass.h"
#include "filters/rubber/ParticleEngine.h"
#include "platform/TickClock.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>

namespace {

uint32_t tick = 0;
uint32_t FixedTick() { return tick; }

// The clock reads t while alive.
struct TickAt {
    explicit TickAt(uint32_t t) : previous(platform::TickClock::SetSource(&FixedTick)) { tick = t; }
    ~TickAt() { platform::TickClock::SetSource(previous); }
    platform::TickClock::Source previous;
};

// The sources of a work area walked as the engine's rows walk it.
std::vector<std::pair<int32_t, int32_t>> Walk(SevenLongParams p, int32_t w, int32_t h, uint32_t t)
{
    std::unique_ptr<ParticleEngine> engine;
    {
        TickAt clock(t);
        engine = std::make_unique<ParticleEngine>(nullptr, &p);
    }
    engine->SetWorkSize(w, h);
    EXPECT_TRUE(engine->Begin());
    std::vector<std::pair<int32_t, int32_t>> out;
    for (int32_t y = 0; y < h; ++y) {
        EXPECT_TRUE(engine->PrepareRow(y));
        for (int32_t x = 0; x < w; ++x) {
            int32_t sx = 16 * x, sy = 16 * y;
            engine->Displace(16 * x, 16 * y, &sx, &sy);
            out.emplace_back(sx, sy);
        }
    }
    engine->End();
    return out;
}

struct FieldCase {
    int32_t w, h, type, strength, second, direction, freeze;
    uint32_t tick;
};

TEST(ParticleEngine, FieldFollowsTheFormulasForEachFilterSeedAndSize)
{
    for (const FieldCase& c : {
             FieldCase{40, 30, 0, 50, 5, 0, 1, 7}, FieldCase{61, 17, 0, 100, 1, 0, 0, 12345},
             FieldCase{9, 70, 0, 5, 10, 0, 1, 0}, FieldCase{1, 1, 0, 100, 10, 0, 1, 0},
             FieldCase{40, 30, 1, 50, 5, 90, 1, 3}, FieldCase{33, 45, 1, 100, 1, 200, 0, 4711},
             FieldCase{50, 20, 1, 3, 10, 359, 0, 99}, FieldCase{1, 1, 1, 60, 4, 45, 1, 0},
             FieldCase{40, 30, 2, 50, 50, 90, 1, 8}, FieldCase{45, 31, 2, 100, 100, 17, 0, 987654321},
             FieldCase{20, 60, 2, 14, 80, 270, 1, 0}, FieldCase{1, 1, 2, 1, 1, 0, 0, 5},
         }) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " type " << c.type << " strength " << c.strength
                                        << " second " << c.second << " tick " << c.tick);
        const SevenLongParams p{c.strength, c.second, c.type, c.direction, c.freeze, 0, 0};
        const ParticleField ref(c.w, c.h, c.type, c.strength, c.second, c.direction, c.freeze ? 1u : c.tick);
        ASSERT_EQ(Walk(p, c.w, c.h, c.tick), ref.source);
    }
}

TEST(ParticleEngine, DensityStrengthAndFreeze)
{
    // Density 100 moves every pixel; density 1 about one in a hundred.
    const ParticleField all(60, 50, 2, 60, 100, 30, 1);
    EXPECT_EQ(all.moved, 60 * 50);
    const ParticleField few(100, 100, 2, 60, 1, 30, 1);
    EXPECT_GT(few.moved, 40);
    EXPECT_LT(few.moved, 200);
    // Below strength 15 Pixel storm throws along its direction only: at
    // 0 degrees, never sideways.
    const auto along = Walk(SevenLongParams{14, 100, 2, 0, 1, 0, 0}, 40, 30, 0);
    for (size_t i = 0; i < along.size(); ++i)
        ASSERT_EQ(along[i].first, int32_t(16 * (i % 40))) << i;
    // "Freeze" repeats the field at any tick; without it the tick counts.
    for (int32_t type = 0; type < 3; ++type) {
        SCOPED_TRACE(type);
        const SevenLongParams frozen{70, type == 2 ? 70 : 3, type, 120, 1, 0, 0};
        EXPECT_EQ(Walk(frozen, 30, 40, 1000), Walk(frozen, 30, 40, 2000));
        SevenLongParams free = frozen;
        free.freeze = 0;
        EXPECT_NE(Walk(free, 30, 40, 1000), Walk(free, 30, 40, 2000));
    }
    // Blocks no dialog wrote are held to the dialogs' ranges.
    EXPECT_EQ(Walk(SevenLongParams{500, 0, 1, -40, 1, 0, 0}, 30, 20, 0),
              ParticleField(30, 20, 1, 100, 1, 0, 1).source);
    EXPECT_EQ(Walk(SevenLongParams{0, 900, 2, 400, 1, 0, 0}, 30, 20, 0),
              ParticleField(30, 20, 2, 1, 100, 359, 1).source);
    // A type no entry writes leaves the picture as it is.
    for (const auto& [sx, sy] : Walk(SevenLongParams{50, 5, 7, 0, 1, 0, 0}, 5, 4, 0))
        EXPECT_TRUE(sx % 16 == 0 && sy % 16 == 0);
}

const char* const kEntries[] = {"ENTRYPOINT7", "ENTRYPOINT8", "ENTRYPOINT9"};

struct ModeCase {
    HostMode mode;
    int32_t type, strength, second, direction;
};

void PrintTo(const ModeCase& c, std::ostream* out) { *out << c.mode.name << " type " << c.type; }

class ParticleModes : public FilterRunFixture, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ParticleModes, FrozenBlocksMoveEveryPlaneAlikeAndRepeat)
{
    const ModeCase& c = GetParam();
    std::vector<uint8_t> first;
    for (int run = 0; run < 2; ++run) {
        TickAt clock(1000 * uint32_t(run + 1));
        // Start writes the entry's own type over what the block held.
        auto host = RunStored(c.mode, kEntries[c.type], {c.strength, c.second, 5, c.direction, 1, 0, 0});
        EXPECT_EQ(static_cast<SevenLongParams*>(host->parameters->data)->type, c.type);
        ExpectField(*host, ParticleField(AreaWidth(*host), AreaHeight(*host), c.type, c.strength, c.second,
                                         c.direction, 1));
        if (run == 0)
            first = host->output;
        else
            EXPECT_EQ(host->output, first);
    }
}

std::vector<ModeCase> ModeCases()
{
    std::vector<ModeCase> cases;
    const ModeCase settings[] = {{{}, 0, 80, 3, 0}, {{}, 1, 70, 2, 135}, {{}, 2, 90, 60, 300}};
    for (const HostMode& m : AllHostModes())
        for (ModeCase c : settings) {
            c.mode = m;
            cases.push_back(c);
        }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Hosts, ParticleModes, ::testing::ValuesIn(ModeCases()),
                         [](const ::testing::TestParamInfo<ModeCase>& info) {
                             return std::string(info.param.mode.name) + "Type" + std::to_string(info.param.type);
                         });

TEST_F(FilterRunFixture, UnfrozenRunsTakeTheirSeedFromTheTickCount)
{
    TickAt clock(31337);
    auto host = RunStored(AllHostModes()[5], "ENTRYPOINT9", {40, 100, 2, 60, 0, 0, 0});
    ExpectField(*host, ParticleField(kModeWidth, kModeHeight, 2, 40, 100, 60, 31337));
}

struct DialogCase {
    const char* name;
    int32_t type;
    const char* title;
    const char* section;
    uint32_t help;
    uint32_t strength, strengthEdit, second, secondEdit;
    const char* secondKey;
    int32_t secondMax, secondTick, secondStart;
    uint32_t direction, directionEdit, dial; // 0: none
};

void PrintTo(const DialogCase& c, std::ostream* out) { *out << c.name; }

class ParticleDialogs : public FilterRunFixture, public ::testing::WithParamInterface<DialogCase> {
protected:
    // Turns the dial a quarter clockwise by the mouse, grabbed right of
    // its centre.
    static void TurnQuarter(QWidget* dial)
    {
        const QPoint centre(dial->width() / 2, dial->height() / 2);
        auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
            QMouseEvent e(type, QPointF(at), dial->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons,
                          Qt::NoModifier);
            QApplication::sendEvent(dial, &e);
        };
        send(QEvent::MouseButtonPress, centre + QPoint(20, 0), Qt::LeftButton);
        send(QEvent::MouseMove, centre + QPoint(0, 20), Qt::LeftButton);
        send(QEvent::MouseButtonRelease, centre + QPoint(0, 20), Qt::NoButton);
    }
};

TEST_P(ParticleDialogs, StartFromTheSettingsFollowEachControlAndOkWritesThem)
{
    const DialogCase& c = GetParam();
    TickAt clock(2024);
    RememberHost(2, PI_HOST_SIG_EDITOR);
    Ini().WriteInt(c.section, "Strength", 30);
    Ini().WriteInt(c.section, c.secondKey, c.secondStart);
    Ini().WriteInt(c.section, "Direction", 200);
    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 240, 160, 3, Rect{0, 0, 0, 0}, 0}, kEntries[c.type]);
    // A block frozen by an earlier run: the box starts unticked all the same.
    host->Reset();
    ASSERT_EQ(host->Call(filterSelectorParameters), 0);
    auto* p = static_cast<SevenLongParams*>(host->parameters->data);
    p->freeze = 1;
    const int32_t direction = c.direction ? 200 + 90 + 36 : 0;
    filterDialog = [&](fw::Dialog& d) {
        auto* strength = qobject_cast<QSlider*>(d.GetDlgItem(c.strength));
        auto* second = qobject_cast<QSlider*>(d.GetDlgItem(c.second));
        auto* secondEdit = qobject_cast<QLineEdit*>(d.GetDlgItem(c.secondEdit));
        auto* freeze = qobject_cast<QAbstractButton*>(d.GetDlgItem(1008));
        ASSERT_TRUE(strength && second && secondEdit && freeze);
        ASSERT_TRUE(qobject_cast<QLineEdit*>(d.GetDlgItem(c.strengthEdit)));
        EXPECT_EQ(strength->value(), 30);
        EXPECT_EQ(second->value(), c.secondStart);
        EXPECT_EQ(second->maximum(), c.secondMax);
        EXPECT_EQ(second->tickInterval(), c.secondTick);
        EXPECT_EQ(secondEdit->text().toInt(), c.secondStart);
        EXPECT_FALSE(freeze->isChecked());
        EXPECT_EQ(p->freeze, 1);
        EXPECT_EQ(p->type, c.type);

        d.grab();
        ASSERT_FALSE(host->shown.empty());
        const ShownMap opening = host->shown.back();
        d.PressButton(1015);
        d.grab();
        const ShownMap unfiltered = host->shown.back();
        d.PressButton(1015);
        ExpectPreviewField(opening, unfiltered, 3,
                           ParticleField(180, 120, c.type, 30, c.secondStart, c.direction ? 200 : 0, 1));

        strength->triggerAction(QAbstractSlider::SliderPageStepAdd);
        EXPECT_EQ(p->strength, 40);
        second->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        EXPECT_EQ(p->size, c.secondStart + 1);
        if (c.direction) {
            auto* slider = qobject_cast<QSlider*>(d.GetDlgItem(c.direction));
            auto* edit = qobject_cast<QLineEdit*>(d.GetDlgItem(c.directionEdit));
            auto* dial = dynamic_cast<ZvSfAngleClass*>(d.GetDlgItem(c.dial));
            ASSERT_TRUE(slider && edit && dial);
            EXPECT_EQ(slider->maximum(), 359);
            EXPECT_EQ(slider->tickInterval(), 36);
            EXPECT_EQ(dial->Reported(), 200);
            // The dial turned a quarter takes the track bar, its edit box
            // and the direction with it.
            TurnQuarter(dial);
            EXPECT_EQ(dial->Reported(), 290);
            EXPECT_EQ(slider->value(), 290);
            EXPECT_EQ(edit->text(), "290");
            EXPECT_EQ(p->direction, 290);
            // The track bar turns the dial.
            slider->triggerAction(QAbstractSlider::SliderPageStepAdd);
            EXPECT_EQ(p->direction, direction);
            EXPECT_EQ(dial->Reported(), direction);
            edit->setText("400");
            EXPECT_EQ(slider->value(), direction);
        }
        // Ticked, then unticked: the run draws from the clock.
        freeze->click();
        EXPECT_EQ(p->freeze, 1);
        freeze->click();
        EXPECT_EQ(p->freeze, 0);
        d.grab();
        ExpectPreviewField(host->shown.back(), unfiltered, 3,
                           ParticleField(180, 120, c.type, 40, c.secondStart + 1, direction, 2024));
        d.PressButton(9);
    };
    ASSERT_EQ(host->Run(false), 0);
    EXPECT_EQ(filterTitles, (std::vector<std::string>{c.title}));
    EXPECT_EQ(helpTopics, (std::vector<uint32_t>{c.help}));
    ExpectField(*host, ParticleField(240, 160, c.type, 40, c.secondStart + 1, direction, 2024));
    EXPECT_EQ(Ini().GetInt(c.section, "Strength", -1), 40);
    EXPECT_EQ(Ini().GetInt(c.section, c.secondKey, -1), c.secondStart + 1);
    EXPECT_EQ(Ini().GetInt(c.section, "Direction", -1), direction);
    EXPECT_EQ(Ini().GetInt(c.section, "Freeze", -1), 0);

    // Cancel: user-cancel; the picture and the settings as they were.
    host->output = host->input;
    filterOk = false;
    filterDialog = [&](fw::Dialog& d) {
        qobject_cast<QSlider*>(d.GetDlgItem(c.strength))->triggerAction(QAbstractSlider::SliderPageStepAdd);
    };
    EXPECT_EQ(host->Run(true), userCanceledErr);
    EXPECT_EQ(host->output, host->input);
    EXPECT_EQ(Ini().GetInt(c.section, "Strength", -1), 40);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, ParticleDialogs,
    ::testing::Values(DialogCase{"Gravity", 0, "Gravity", "Gravity", 0, 1038, 1026, 1039, 1027, "Wetness", 10, 1, 7, 0,
                                 0, 0},
                      DialogCase{"Wind", 1, "Wind", "Wind", 11, 1042, 1026, 1041, 1027, "Wetness", 10, 1, 7, 1040,
                                 1028, 1010},
                      DialogCase{"PixelStorm", 2, "Pixel storm", "Storm", 7, 1044, 1026, 1045, 1046, "Density", 100,
                                 10, 40, 1049, 1048, 1047}),
    [](const ::testing::TestParamInfo<DialogCase>& info) { return std::string(info.param.name); });

TEST_F(FilterRunFixture, EachRunsUnderTheHostLibraryByPathAndEntryName)
{
    TickAt clock(555);
    const char* sections[] = {"Gravity", "Wind", "Storm"};
    for (int32_t type = 0; type < 3; ++type) {
        SCOPED_TRACE(type);
        filterTitles.clear();
        filterOk = true;
        std::filesystem::create_directories(config / stem);
        Ini().WriteInt(sections[type], "Strength", 60);
        Ini().WriteInt(sections[type], type == 2 ? "Density" : "Wetness", type == 2 ? 70 : 4);
        Ini().WriteInt(sections[type], "Direction", 30);
        FxgateByName fxgate(config.Path(), kEntries[type]);
        TestPicture source = CheckedPicture(45, 31);
        const ParticleField field(45, 31, type, 60, type == 2 ? 70 : 4, type == 0 ? 0 : 30, 555);
        // The dialog's run, then one with the kept block.
        for (int32_t ask : {1, 0}) {
            TestPicture destination = source;
            ASSERT_EQ(fxgate.Run(source, destination, ask), kRunDone);
            ExpectFxgateField(source, destination, field);
        }
        EXPECT_EQ(filterTitles.size(), 1u);
        filterOk = false;
        TestPicture destination = source;
        EXPECT_EQ(fxgate.Run(source, destination, 1), kRunCancelled);
        EXPECT_EQ(destination.Pixels(), source.Pixels());
    }
}

} // namespace
