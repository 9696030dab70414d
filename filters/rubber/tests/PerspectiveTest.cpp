// Perspective of rubber.8bf: its field against the formulas, stored tilts
// in every host mode, the dialog (settings read at the start, track bars
// and signed edit boxes, the preview following, OK writing the settings,
// Cancel answering user-cancel), and the plug-in host library finding it
// by its own property list in a folder scan, without loading the module,
// and running it by that list and by path and entry name.
#include "FilterRunCheck.h"
#include "FxgateByName.h"
#include "PerspectiveReference.h"

#include "filters/rubber/PerspectiveEngine.h"

#include <QLineEdit>
#include <QSlider>
#include <fstream>
#include <sstream>

namespace {

struct Tilts {
    int32_t t1, t2;
};
const Tilts kTilts[] = {{100, 100}, {1, 199}, {199, 1}, {150, 60}, {70, 130}, {100, 180}};

std::vector<int32_t> Block(Tilts t) { return {t.t1, t.t2, 0, 0, 0, 0, 0}; }

TEST(PerspectiveEngine, DisplacesEveryPositionAsTheFormulasSay)
{
    struct Area {
        int32_t w, h;
    };
    for (const Area a : {Area{61, 43}, Area{30, 90}, Area{50, 50}, Area{1, 1}, Area{7, 1}})
        for (const Tilts t : kTilts) {
            SCOPED_TRACE(testing::Message() << a.w << "x" << a.h << " tilts " << t.t1 << "," << t.t2);
            SevenLongParams p{t.t1, t.t2, 0, 0, 0, 0, 0};
            PerspectiveEngine engine(nullptr, &p);
            engine.SetWorkSize(a.w, a.h);
            ASSERT_TRUE(engine.Begin());
            const PerspectiveField ref(a.w, a.h, t.t1, t.t2);
            for (int32_t y = 0; y < a.h; ++y)
                for (int32_t x = 0; x < a.w; ++x) {
                    int32_t sx = 16 * x, sy = 16 * y;
                    engine.Displace(16 * x, 16 * y, &sx, &sy);
                    ASSERT_EQ(std::make_pair(sx, sy), ref.Source(16 * x, 16 * y)) << x << "," << y;
                    // No tilt is the identity, on any shape of picture.
                    if (t.t1 == 100 && t.t2 == 100) {
                        ASSERT_EQ(sx, 16 * x);
                        ASSERT_EQ(sy, 16 * y);
                    }
                }
        }
}

TEST(PerspectiveEngine, HandEditedTiltsAndPicturesWiderThan32767)
{
    // Held to what the dialog allows: 0 and 500 act as 1 and 199.
    SevenLongParams wild{0, 500, 0, 0, 0, 0, 0};
    PerspectiveEngine engine(nullptr, &wild);
    engine.SetWorkSize(40, 30);
    ASSERT_TRUE(engine.Begin());
    const PerspectiveField ref(40, 30, 1, 199);
    for (int32_t y = 0; y < 30; ++y)
        for (int32_t x = 0; x < 40; ++x) {
            int32_t sx = 0, sy = 0;
            engine.Displace(16 * x, 16 * y, &sx, &sy);
            ASSERT_EQ(std::make_pair(sx, sy), ref.Source(16 * x, 16 * y));
        }
    // 40000 x 3 at the strongest tilts: the far corners stay finite and the
    // formulas hold.
    SevenLongParams strong{199, 1, 0, 0, 0, 0, 0};
    PerspectiveEngine wide(nullptr, &strong);
    wide.SetWorkSize(40000, 3);
    ASSERT_TRUE(wide.Begin());
    const PerspectiveField wideRef(40000, 3, 199, 1);
    for (int32_t x : {0, 1, 19999, 20000, 39998, 39999})
        for (int32_t y : {0, 1, 2}) {
            int32_t sx = 0, sy = 0;
            wide.Displace(16 * x, 16 * y, &sx, &sy);
            ASSERT_EQ(std::make_pair(sx, sy), wideRef.Source(16 * x, 16 * y)) << x << "," << y;
        }
}

TEST(PerspectiveEngine, ASourceRoundedUpToTheFarEdgeIsOutside)
{
    // A side of 2^20 pixels: single precision steps by 2 near its far edge
    // (2^24 sixteenths). Some tilt and row put a source within half a step
    // below it: taken as inside, it rounds to the edge itself.
    const int32_t side = 1 << 20, other = 64;
    bool found = false;
    for (int32_t tilt = 1; tilt < 100 && !found; ++tilt)
        for (int32_t q = 0; q < 16 * other && !found; q += 16) {
            const int64_t d = 1600 * other - int64_t{tilt} * q;
            for (int32_t p = 16 * side - 4000; p < 16 * side && !found; ++p) {
                const double s = 0.5 * (16.0 * side) - (2.0 * p - 16.0 * side) * (16.0 * other) * -50.0 / double(d);
                if (s <= 16.0 * side && s > 16.0 * side - 1 && float(s) == float(16 * side)) {
                    found = true;
                    EXPECT_EQ(PerspectiveEngine::SourceOf(p, side, tilt, q, other), 16 * side);
                }
            }
        }
    EXPECT_TRUE(found);
}

struct ModeCase {
    HostMode mode;
    Tilts tilts;
};

void PrintTo(const ModeCase& c, std::ostream* out) { *out << c.mode.name; }

class PerspectiveModes : public FilterRunFixture, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(PerspectiveModes, TiltsThePictureWithTheStoredTilts)
{
    const ModeCase& c = GetParam();
    for (const Tilts t : {c.tilts, Tilts{100, 100}, Tilts{1, 199}}) {
        SCOPED_TRACE(testing::Message() << t.t1 << "," << t.t2);
        auto host = RunStored(c.mode, "ENTRYPOINT14", Block(t));
        EXPECT_TRUE(filterTitles.empty());
        ExpectField(*host, PerspectiveField(AreaWidth(*host), AreaHeight(*host), t.t1, t.t2));
        if (t.t1 == 100 && t.t2 == 100) {
            EXPECT_EQ(host->output, host->input);
        }
        // Start writes no type over the block.
        const std::vector<int32_t> ran = Block(t);
        EXPECT_EQ(std::memcmp(host->parameters->data, ran.data(), ran.size() * 4), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Hosts, PerspectiveModes,
                         ::testing::Values(ModeCase{AllHostModes()[0], {150, 60}}, ModeCase{AllHostModes()[1], {70, 130}},
                                           ModeCase{AllHostModes()[2], {199, 100}},
                                           ModeCase{AllHostModes()[3], {100, 20}},
                                           ModeCase{AllHostModes()[4], {30, 170}},
                                           ModeCase{AllHostModes()[5], {180, 150}}),
                         [](const ::testing::TestParamInfo<ModeCase>& info) { return std::string(info.param.mode.name); });

using PerspectiveRun = FilterRunFixture;

TEST_F(PerspectiveRun, DialogStartsFromTheSettingsStoresEachChangeAndOkWritesThem)
{
    RememberHost(2, PI_HOST_SIG_EDITOR);
    Ini().WriteInt("Perspective", "Vertical", 130);
    Ini().WriteInt("Perspective", "Horizontal", 250); // held to 199
    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 240, 160, 3, Rect{0, 0, 0, 0}, 0}, "ENTRYPOINT14");
    filterDialog = [&](fw::Dialog& d) {
        auto* first = qobject_cast<QSlider*>(d.GetDlgItem(1017));
        auto* second = qobject_cast<QSlider*>(d.GetDlgItem(1018));
        auto* firstEdit = qobject_cast<QLineEdit*>(d.GetDlgItem(1019));
        auto* secondEdit = qobject_cast<QLineEdit*>(d.GetDlgItem(1020));
        ASSERT_TRUE(first && second && firstEdit && secondEdit);
        EXPECT_EQ(first->minimum(), 1);
        EXPECT_EQ(first->maximum(), 199);
        EXPECT_EQ(first->tickInterval(), 10);
        EXPECT_EQ(first->value(), 130);
        EXPECT_EQ(firstEdit->text(), "30");
        EXPECT_EQ(second->value(), 199);
        EXPECT_EQ(secondEdit->text(), "99");
        auto* p = static_cast<SevenLongParams*>(host->parameters->data);
        EXPECT_EQ(p->strength, 130);
        EXPECT_EQ(p->size, 199);

        d.grab();
        ASSERT_FALSE(host->shown.empty());
        const ShownMap opening = host->shown.back();
        d.PressButton(1015);
        d.grab();
        const ShownMap unfiltered = host->shown.back();
        EXPECT_EQ(unfiltered.width, 180);
        EXPECT_EQ(unfiltered.height, 120);
        ExpectPreviewField(opening, unfiltered, 3, PerspectiveField(180, 120, 130, 199));
        d.PressButton(1015);

        first->triggerAction(QAbstractSlider::SliderPageStepAdd);
        EXPECT_EQ(p->strength, 140);
        EXPECT_EQ(firstEdit->text(), "40");
        // Signed numbers move the track bar by 100 more.
        secondEdit->setText("-20");
        EXPECT_EQ(second->value(), 80);
        EXPECT_EQ(p->size, 80);
        EXPECT_EQ(secondEdit->text(), "-20");
        for (const char* refused : {"-100", "100", "abc", ""}) {
            secondEdit->setText(refused);
            EXPECT_EQ(second->value(), 80) << refused;
        }
        d.grab();
        ExpectPreviewField(host->shown.back(), unfiltered, 3, PerspectiveField(180, 120, 140, 80));
        d.PressButton(9);
    };
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(filterTitles, (std::vector<std::string>{"Perspective"}));
    EXPECT_EQ(helpTopics, (std::vector<uint32_t>{13}));
    ExpectField(*host, PerspectiveField(240, 160, 140, 80));
    EXPECT_EQ(Ini().GetInt("Perspective", "Vertical", -1), 140);
    EXPECT_EQ(Ini().GetInt("Perspective", "Horizontal", -1), 80);
    EXPECT_EQ(Ini().GetInt("Perspective", "Direction", -1), 0);
    EXPECT_EQ(Ini().GetInt("Perspective", "Freeze", -1), 0);

    // Cancel: user-cancel, the picture and the settings as they were.
    host->output = host->input;
    filterOk = false;
    filterDialog = [&](fw::Dialog& d) {
        qobject_cast<QSlider*>(d.GetDlgItem(1018))->triggerAction(QAbstractSlider::SliderPageStepSub);
    };
    EXPECT_EQ(host->Run(true), userCanceledErr);
    EXPECT_EQ(host->output, host->input);
    EXPECT_EQ(Ini().GetInt("Perspective", "Horizontal", -1), 80);
}

bool ModuleMapped()
{
    std::ifstream maps("/proc/self/maps");
    std::stringstream all;
    all << maps.rdbuf();
    return all.str().find("rubber.8bf") != std::string::npos;
}

TEST_F(PerspectiveRun, TheHostFindsItsOwnPropertyListAndRunsItByThatListAndByName)
{
    const int32_t id = CatalogueModuleFolder(config.Path(), RUBBER_MODULE, "Perspe...");
    // The scan read the property lists from the file alone.
    EXPECT_FALSE(ModuleMapped());
    ASSERT_GT(id, 0);
    const PlugInRecord& record = *Fxgate()->catalogue.FindById(uint32_t(id));
    EXPECT_STREQ(record.entry, "ENTRYPOINT14");
    EXPECT_STREQ(Fxgate()->catalogue.Categories().Name(record.category), "Orvane Collection: Rubber");
    EXPECT_GT(Fxgate()->catalogue.IdByName("Rubber..."), 0);

    TestPicture source = CheckedPicture(45, 31);
    std::filesystem::create_directories(config / stem);
    Ini().WriteInt("Perspective", "Vertical", 160);
    Ini().WriteInt("Perspective", "Horizontal", 55);
    CPIInstance perspective{uint32_t(id)};
    TestPicture destination = RunOnCopy(perspective, source);
    EXPECT_EQ(preselected, (std::vector<int>{5}));
    EXPECT_EQ(filterTitles, (std::vector<std::string>{"Perspective"}));
    ExpectFxgateField(source, destination, PerspectiveField(45, 31, 160, 55));

    // By path and entry name, with the tilts the dialog left.
    FxgateByName byName(config.Path(), "ENTRYPOINT14");
    EXPECT_TRUE(ModuleMapped()); // loaded to run by name
    TestPicture again = source;
    ASSERT_EQ(byName.Run(source, again, 1), kRunDone);
    ExpectFxgateField(source, again, PerspectiveField(45, 31, 160, 55));
    filterOk = false;
    TestPicture cancelled = source;
    EXPECT_EQ(byName.Run(source, cancelled, 1), kRunCancelled);
    EXPECT_EQ(cancelled.Pixels(), source.Pixels());
}

} // namespace
