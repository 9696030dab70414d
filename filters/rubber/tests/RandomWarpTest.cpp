// Random deformations of rubber.8bf and its random field generators: the
// generators' rows for fixed seeds against the formulas, in the library and
// through the module's exports; the engine's field for each kind; stored
// blocks in every host mode; the dialog (settings read at the start, the
// kind and the size's range and label, "Freeze", the preview scaled to the
// tile, OK writing the settings, Cancel answering user-cancel); and a run
// by the plug-in host library by path and entry name.
#include "FilterRunCheck.h"
#include "FxgateByName.h"
#include "RandomFieldReference.h"

#include "filters/rubber/RandomFieldGenerators.h"
#include "filters/rubber/RandomWarpEngine.h"
#include "platform/Module.h"
#include "platform/TickClock.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace {

using namespace randomfield;

std::vector<int16_t> Row(const int16_t* row, int32_t count) { return std::vector<int16_t>(row, row + count); }
std::vector<int16_t> Row(const std::vector<int16_t>& row, int32_t count)
{
    return std::vector<int16_t>(row.begin(), row.begin() + count);
}

TEST(RandomFields, CouplingsAndErosionDegrees)
{
    EXPECT_EQ(Coupling(1), 0);
    EXPECT_EQ(Coupling(2), 23);
    EXPECT_EQ(Coupling(16), 59);
    EXPECT_EQ(GetMaxErosionDegree(), 14);
    const std::pair<int32_t, int32_t> expected[] = {{3, 2}, {2, 2}, {16, 16}, {9, 9}, {7, 7}, {5, 5}, {4, 4}, {3, 4},
                                                    {4, 3}, {7, 2}, {5, 2}, {3, 3}, {4, 2}, {2, 3}, {3, 2}, {3, 2},
                                                    {3, 2}};
    for (int32_t degree = 0; degree <= 16; ++degree) {
        int32_t lx = 0, ly = 0;
        ErosionLengths(degree, &lx, &ly);
        EXPECT_EQ(std::make_pair(lx, ly), expected[degree]) << degree;
    }
}

TEST(RandomFields, EachGeneratorsRowsFollowTheFormulasForFixedSeeds)
{
    const int32_t count = 53;
    for (uint32_t seed : {1u, 12345u, 987654321u}) {
        SCOPED_TRACE(seed);
        // Excitations: plain noise at length 1, coupled at 2 and 50.
        for (const auto& [a, l] : {std::pair{200, 1}, std::pair{37, 2}, std::pair{400, 50}}) {
            ModuleRandom().Seed(seed);
            RandomGeneratorRecord r{};
            ASSERT_EQ(InitRandomGenerator(&r, count, a, l, l), 1);
            RefGenerator ref(seed);
            ref.InitCoupled(count, a, l, l, 2);
            EXPECT_EQ(r.amplitude, ref.A);
            for (int row = 0; row < 6; ++row) {
                int16_t *x = nullptr, *y = nullptr;
                // Every other row without the vertical field.
                const bool withY = row % 2 == 0;
                PrepareRandomShifts(&r, &x, withY ? &y : nullptr, count);
                ref.Shifts(count, {true, withY});
                ASSERT_EQ(Row(x, count), Row(ref.out[0], count)) << "row " << row;
                if (withY) {
                    ASSERT_EQ(Row(y, count), Row(ref.out[1], count)) << "row " << row;
                }
            }
            if (l == 1) {
                EXPECT_EQ(r.amplitude, a); // no coupling: plain noise
            }
            EXPECT_EQ(ShutupRandomGenerator(&r), 0);
            for (int i = 0; i < 6; ++i)
                EXPECT_EQ(r.buffers[i], nullptr);
        }
        // Three fields at once, two asked for.
        ModuleRandom().Seed(seed);
        RandomGeneratorRecord f{};
        ASSERT_EQ(InitFluc(&f, count, 90, 3, 5), 1);
        RefGenerator fluc(seed);
        fluc.InitCoupled(count, 90, 3, 5, 3);
        for (int row = 0; row < 4; ++row) {
            int16_t *one = nullptr, *three = nullptr;
            PrepareFluc(&f, &one, nullptr, &three, count);
            fluc.Shifts(count, {true, false, true});
            ASSERT_EQ(Row(one, count), Row(fluc.out[0], count));
            ASSERT_EQ(Row(three, count), Row(fluc.out[2], count));
        }
        ShutupRandomGenerator(&f);
        // Erosion at degrees that damp and that do not.
        for (int32_t degree : {1, 2, 7, 15}) {
            ModuleRandom().Seed(seed);
            RandomGeneratorRecord r{};
            r.sign = 1;
            ASSERT_EQ(InitErosion(&r, count, 400, degree), 1);
            RefGenerator ref(seed);
            ref.InitErosion(count, 400, degree);
            EXPECT_EQ(r.amplitude, ref.A);
            for (int row = 0; row < 6; ++row) {
                int16_t *x = nullptr, *y = nullptr;
                EXPECT_EQ(PrepareErosion(&r, &x, &y, count), row % 2 == 0 ? -1 : 1);
                ref.Erosion(count, true);
                ASSERT_EQ(Row(x, count), Row(ref.out[0], count)) << "degree " << degree << " row " << row;
                ASSERT_EQ(Row(y, count), Row(ref.out[1], count)) << "degree " << degree << " row " << row;
            }
            ShutupRandomGenerator(&r);
        }
        // Ripples over grids of several steps.
        for (const auto& [cs, rs] : {std::pair{1, 1}, std::pair{8, 8}, std::pair{5, 3}, std::pair{0, 0}}) {
            ModuleRandom().Seed(seed);
            RandomGeneratorRecord r{};
            ASSERT_EQ(InitSmoothGenerator(&r, count, 60, cs, rs), 1);
            RefGenerator ref(seed);
            ref.InitSmooth(count, 60, cs, rs);
            for (int32_t row = 0; row < 12; ++row) {
                int16_t *x = nullptr, *y = nullptr;
                PrepareSmooth(&r, &x, &y, count, row);
                ref.Smooth(count, row);
                ASSERT_EQ(Row(x, count), Row(ref.out[0], count)) << cs << "," << rs << " row " << row;
                ASSERT_EQ(Row(y, count), Row(ref.out[1], count)) << cs << "," << rs << " row " << row;
            }
            ShutupRandomGenerator(&r);
        }
    }
}

TEST(RandomFields, NoMemoryLeavesTheRecordEmpty)
{
    RandomGeneratorRecord r{};
    EXPECT_EQ(InitRandomGenerator(&r, int32_t(1) << 30, 10, 2, 2), 0);
    EXPECT_EQ(InitErosion(&r, -100, 10, 2), 0);
    EXPECT_EQ(InitSmoothGenerator(&r, int32_t(1) << 30, 10, 1, 1), 0);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(r.buffers[i], nullptr);
        EXPECT_EQ(r.roles[i], nullptr);
    }
}

// The module's exports, loaded afresh: its generator starts at 1.
TEST(RandomFields, TheModuleExportsTheGenerators)
{
    platform::Module module;
    module.Load(RUBBER_MODULE);
    auto init = module.Entry<int32_t(RandomGeneratorRecord*, int32_t, int32_t, int32_t, int32_t)>("InitRandomGenerator");
    auto shifts = module.Entry<void(RandomGeneratorRecord*, int16_t**, int16_t**, int32_t)>("PrepareRandomShifts");
    auto shutup = module.Entry<int32_t(RandomGeneratorRecord*)>("ShutupRandomGenerator");
    auto degree = module.Entry<int32_t()>("GetMaxErosionDegree");
    auto initErosion = module.Entry<int32_t(RandomGeneratorRecord*, int32_t, int32_t, int32_t)>("InitErosion");
    auto erosion = module.Entry<int32_t(RandomGeneratorRecord*, int16_t**, int16_t**, int32_t)>("PrepareErosion");
    auto initSmooth =
        module.Entry<int32_t(RandomGeneratorRecord*, int32_t, int32_t, int32_t, int32_t)>("InitSmoothGenerator");
    auto smooth = module.Entry<void(RandomGeneratorRecord*, int16_t**, int16_t**, int32_t, int32_t)>("PrepareSmooth");
    auto initFluc = module.Entry<int32_t(RandomGeneratorRecord*, int32_t, int32_t, int32_t, int32_t)>("InitFluc");
    auto fluc = module.Entry<void(RandomGeneratorRecord*, int16_t**, int16_t**, int16_t**, int32_t)>("PrepareFluc");
    ASSERT_TRUE(init && shifts && shutup && degree && initErosion && erosion && initSmooth && smooth && initFluc &&
                fluc);
    EXPECT_EQ(degree(), 14);
    // One sequence from seed 1 through three generators in turn.
    const int32_t count = 31;
    RefGenerator ref(1);
    RandomGeneratorRecord r{};
    ASSERT_EQ(init(&r, count, 120, 3, 3), 1);
    ref.InitCoupled(count, 120, 3, 3, 2);
    for (int row = 0; row < 3; ++row) {
        int16_t *x = nullptr, *y = nullptr;
        shifts(&r, &x, &y, count);
        ref.Shifts(count, {true, true});
        ASSERT_EQ(Row(x, count), Row(ref.out[0], count));
        ASSERT_EQ(Row(y, count), Row(ref.out[1], count));
    }
    EXPECT_EQ(shutup(&r), 0);
    r = RandomGeneratorRecord{};
    r.sign = 1;
    ASSERT_EQ(initErosion(&r, count, 400, 5), 1);
    RefGenerator& e = ref; // the sequence goes on
    e.InitErosion(count, 400, 5);
    int16_t *x = nullptr, *y = nullptr;
    EXPECT_EQ(erosion(&r, &x, &y, count), -1);
    e.Erosion(count, true);
    ASSERT_EQ(Row(x, count), Row(e.out[0], count));
    shutup(&r);
    r = RandomGeneratorRecord{};
    ASSERT_EQ(initSmooth(&r, count, 30, 4, 4), 1);
    e.InitSmooth(count, 30, 4, 4);
    smooth(&r, &x, &y, count, 0);
    e.Smooth(count, 0);
    ASSERT_EQ(Row(y, count), Row(e.out[1], count));
    shutup(&r);
    r = RandomGeneratorRecord{};
    ASSERT_EQ(initFluc(&r, count, 50, 2, 2), 1);
    e.InitCoupled(count, 50, 2, 2, 3);
    int16_t *one = nullptr, *two = nullptr, *three = nullptr;
    fluc(&r, &one, &two, &three, count);
    e.Shifts(count, {true, true, true});
    ASSERT_EQ(Row(two, count), Row(e.out[1], count));
    shutup(&r);
}

uint32_t tick = 0;
uint32_t FixedTick() { return tick; }
struct TickAt {
    explicit TickAt(uint32_t t) : previous(platform::TickClock::SetSource(&FixedTick)) { tick = t; }
    ~TickAt() { platform::TickClock::SetSource(previous); }
    platform::TickClock::Source previous;
};

std::vector<std::pair<int32_t, int32_t>> Walk(SevenLongParams p, int32_t w, int32_t h, uint32_t t)
{
    std::unique_ptr<RandomWarpEngine> engine;
    {
        TickAt clock(t);
        engine = std::make_unique<RandomWarpEngine>(nullptr, &p);
    }
    engine->SetWorkSize(w, h);
    EXPECT_TRUE(engine->Begin());
    std::vector<std::pair<int32_t, int32_t>> out;
    for (int32_t y = 0; y < h; ++y) {
        EXPECT_TRUE(engine->PrepareRow(y, false));
        for (int32_t x = 0; x < w; ++x) {
            int32_t sx = 16 * x, sy = 16 * y;
            engine->Displace(16 * x, 16 * y, &sx, &sy);
            out.emplace_back(sx, sy);
        }
    }
    engine->End();
    return out;
}

TEST(RandomWarpEngine, FieldFollowsTheFormulasForEachKindSeedAndSize)
{
    struct Case {
        int32_t w, h, kind, strength, size, freeze;
        uint32_t tick;
    };
    for (const Case& c : {Case{40, 30, 0, 50, 50, 1, 0}, Case{61, 17, 0, 100, 7, 0, 777}, Case{1, 1, 0, 20, 1, 1, 0},
                          Case{40, 30, 1, 50, 1, 1, 0}, Case{33, 45, 1, 100, 2, 0, 4242}, Case{20, 20, 1, 60, 16, 1, 0},
                          Case{40, 30, 2, 50, 50, 1, 0}, Case{45, 31, 2, 100, 100, 0, 31337},
                          Case{12, 50, 2, 1, 1, 1, 0}, Case{1, 1, 2, 100, 2, 0, 9}}) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " kind " << c.kind << " strength " << c.strength
                                        << " size " << c.size << " tick " << c.tick);
        const SevenLongParams p{c.strength, c.size, c.kind, 0, c.freeze, 0, 0};
        ASSERT_EQ(Walk(p, c.w, c.h, c.tick),
                  RandomWarpField(c.w, c.h, c.kind, c.size, c.strength, c.freeze ? 1 : c.tick).source);
    }
    // Freeze repeats; the clock otherwise. Sizes and strengths held to the
    // dialog's ranges: Erosion's size to 16.
    const SevenLongParams frozen{70, 30, 2, 0, 1, 0, 0};
    EXPECT_EQ(Walk(frozen, 30, 20, 1), Walk(frozen, 30, 20, 2));
    SevenLongParams free = frozen;
    free.freeze = 0;
    EXPECT_NE(Walk(free, 30, 20, 1), Walk(free, 30, 20, 2));
    EXPECT_EQ(Walk(SevenLongParams{900, 40, 1, 0, 1, 0, 0}, 30, 20, 0), RandomWarpField(30, 20, 1, 16, 100, 1).source);
    for (const auto& [sx, sy] : Walk(SevenLongParams{50, 5, 9, 0, 1, 0, 0}, 5, 4, 0))
        EXPECT_TRUE(sx % 16 == 0 && sy % 16 == 0); // a kind no list holds moves nothing
}

class RandomWarpModes : public FilterRunFixture, public ::testing::WithParamInterface<HostMode> {};

TEST_P(RandomWarpModes, StoredBlocksRunExcitations)
{
    const HostMode& m = GetParam();
    for (const auto& [strength, size] : {std::pair{60, 12}, std::pair{100, 100}, std::pair{5, 1}}) {
        SCOPED_TRACE(testing::Message() << strength << "," << size);
        // Start writes Excitations over the kind the block held.
        auto host = RunStored(m, "ENTRYPOINT6", {strength, size, 0, 0, 1, 0, 0});
        EXPECT_EQ(static_cast<SevenLongParams*>(host->parameters->data)->type, 2);
        ExpectField(*host, RandomWarpField(AreaWidth(*host), AreaHeight(*host), 2, size, strength, 1));
    }
}

INSTANTIATE_TEST_SUITE_P(Hosts, RandomWarpModes, ::testing::ValuesIn(AllHostModes()),
                         [](const ::testing::TestParamInfo<HostMode>& info) { return std::string(info.param.name); });

using RandomWarpRun = FilterRunFixture;

TEST_F(RandomWarpRun, DialogChoosesTheKindAndScalesThePreviewToTheTile)
{
    TickAt clock(77);
    RememberHost(2, PI_HOST_SIG_EDITOR);
    Ini().WriteInt("Rnddeformations", "Strength", 40);
    Ini().WriteInt("Rnddeformations", "Size", 30);
    Ini().WriteInt("Rnddeformations", "Type", 0);
    Ini().WriteInt("Rnddeformations", "Freeze", 1);
    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 240, 160, 3, Rect{0, 0, 0, 0}, 0}, "ENTRYPOINT6");
    // The preview's size and strength: scaled from 240 wide to the tile.
    auto preview = [](int32_t kind, int32_t size, int32_t strength, uint32_t seed) {
        return RandomWarpField(180, 120, kind, size * 180 / 240, 120 * strength / 240, seed);
    };
    filterDialog = [&](fw::Dialog& d) {
        auto* strength = qobject_cast<QSlider*>(d.GetDlgItem(1076));
        auto* size = qobject_cast<QSlider*>(d.GetDlgItem(1078));
        auto* sizeEdit = qobject_cast<QLineEdit*>(d.GetDlgItem(1077));
        auto* label = qobject_cast<QLabel*>(d.GetDlgItem(1075));
        auto* kind = qobject_cast<QComboBox*>(d.GetDlgItem(1007));
        auto* freeze = qobject_cast<QAbstractButton*>(d.GetDlgItem(1008));
        ASSERT_TRUE(strength && size && sizeEdit && label && kind && freeze);
        ASSERT_TRUE(qobject_cast<QLineEdit*>(d.GetDlgItem(1026)));
        auto* p = static_cast<SevenLongParams*>(host->parameters->data);
        EXPECT_EQ(strength->value(), 40);
        EXPECT_EQ(size->value(), 30);
        EXPECT_EQ(size->maximum(), 100);
        EXPECT_EQ(label->text(), "&Size (1...100):");
        ASSERT_EQ(kind->count(), 3);
        EXPECT_EQ(kind->itemText(1), "Erosion");
        EXPECT_EQ(kind->currentIndex(), 0);
        EXPECT_TRUE(freeze->isChecked());
        const SevenLongParams opened{40, 30, 0, 0, 1, 0, 1};
        EXPECT_EQ(std::memcmp(p, &opened, sizeof opened), 0);

        d.grab();
        const ShownMap opening = host->shown.back();
        d.PressButton(1015);
        d.grab();
        const ShownMap unfiltered = host->shown.back();
        d.PressButton(1015);
        ExpectPreviewField(opening, unfiltered, 3, preview(0, 30, 40, 1));

        // Erosion holds the size to 16 and says so.
        kind->setCurrentIndex(1);
        emit kind->activated(1);
        EXPECT_EQ(p->type, 1);
        EXPECT_EQ(size->maximum(), 16);
        EXPECT_EQ(size->tickInterval(), 1);
        EXPECT_EQ(size->value(), 16);
        EXPECT_EQ(p->size, 16);
        EXPECT_EQ(label->text(), "&Size (1...16):");
        sizeEdit->setText("9");
        EXPECT_EQ(p->size, 9);
        strength->triggerAction(QAbstractSlider::SliderPageStepAdd);
        EXPECT_EQ(p->strength, 50);
        d.grab();
        ExpectPreviewField(host->shown.back(), unfiltered, 3, preview(1, 9, 50, 1));
        // Back to a kind of 1..100.
        kind->setCurrentIndex(2);
        emit kind->activated(2);
        EXPECT_EQ(size->maximum(), 100);
        EXPECT_EQ(label->text(), "&Size (1...100):");
        EXPECT_EQ(p->size, 9);
        freeze->click();
        EXPECT_EQ(p->freeze, 0);
        d.grab();
        ExpectPreviewField(host->shown.back(), unfiltered, 3, preview(2, 9, 50, 77));
        d.PressButton(9);
    };
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(filterTitles, (std::vector<std::string>{"Random deformations"}));
    EXPECT_EQ(helpTopics, (std::vector<uint32_t>{5}));
    ExpectField(*host, RandomWarpField(240, 160, 2, 9, 50, 77));
    EXPECT_EQ(Ini().GetInt("Rnddeformations", "Strength", -1), 50);
    EXPECT_EQ(Ini().GetInt("Rnddeformations", "Size", -1), 9);
    EXPECT_EQ(Ini().GetInt("Rnddeformations", "Type", -1), 2);
    EXPECT_EQ(Ini().GetInt("Rnddeformations", "Freeze", -1), 0);

    // Erosion from the settings starts with its own range; Cancel answers
    // user-cancel and keeps the picture and the settings.
    Ini().WriteInt("Rnddeformations", "Type", 1);
    Ini().WriteInt("Rnddeformations", "Size", 70);
    host->output = host->input;
    filterOk = false;
    filterDialog = [&](fw::Dialog& d) {
        EXPECT_EQ(qobject_cast<QSlider*>(d.GetDlgItem(1078))->value(), 16);
        EXPECT_EQ(qobject_cast<QLabel*>(d.GetDlgItem(1075))->text(), "&Size (1...16):");
        qobject_cast<QSlider*>(d.GetDlgItem(1076))->triggerAction(QAbstractSlider::SliderPageStepAdd);
    };
    EXPECT_EQ(host->Run(true), userCanceledErr);
    EXPECT_EQ(host->output, host->input);
    EXPECT_EQ(Ini().GetInt("Rnddeformations", "Strength", -1), 50);
    EXPECT_EQ(Ini().GetInt("Rnddeformations", "Size", -1), 70);
}

TEST_F(RandomWarpRun, RunsUnderTheHostLibraryByPathAndEntryName)
{
    TickAt clock(123);
    std::filesystem::create_directories(config / stem);
    Ini().WriteInt("Rnddeformations", "Strength", 70);
    Ini().WriteInt("Rnddeformations", "Size", 20);
    Ini().WriteInt("Rnddeformations", "Type", 0);
    FxgateByName fxgate(config.Path(), "ENTRYPOINT6");
    TestPicture source = CheckedPicture(45, 31);
    TestPicture destination = source;
    ASSERT_EQ(fxgate.Run(source, destination, 1), kRunDone);
    ExpectFxgateField(source, destination, RandomWarpField(45, 31, 0, 20, 70, 123));
    // Stored, the block runs Excitations.
    TestPicture stored = source;
    ASSERT_EQ(fxgate.Run(source, stored, 0), kRunDone);
    ExpectFxgateField(source, stored, RandomWarpField(45, 31, 2, 20, 70, 123));
    filterOk = false;
    TestPicture cancelled = source;
    EXPECT_EQ(fxgate.Run(source, cancelled, 1), kRunCancelled);
    EXPECT_EQ(cancelled.Pixels(), source.Pixels());
}

} // namespace
