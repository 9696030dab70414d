// Page curl of rubber.8bf: type 0's geometry and the shade profile; every
// type's pixels against the formulas in every host mode, colour and grey,
// with each source row sent three times at most; the background where the
// paper was; one-pixel pictures; the dialog (settings read at the start,
// the track bar and its edit box, the eight corner buttons, the preview
// following, OK writing the settings, Cancel answering user-cancel); and a
// run by the plug-in host library by path and entry name.
#include "FilterRunCheck.h"
#include "FxgateByName.h"
#include "PageCurlReference.h"

#include "filters/rubber/PageCurl.h"
#include "filters/rubber/SevenLongParams.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QSlider>

namespace {

TEST(PageCurl, TypeZerosGeometryAndItsLimits)
{
    // Strength 30 on a side of 100: worked by hand from the formulas.
    const PageCurl::Geometry g = PageCurl(30, 0, 80, 100).Shape();
    EXPECT_EQ(g.radius, 11);
    EXPECT_EQ(std::make_pair(g.x1, g.y1), std::make_pair(int64_t{60}, int64_t{83}));
    EXPECT_EQ(std::make_pair(g.x2, g.y2), std::make_pair(int64_t{41}, int64_t{93}));
    EXPECT_EQ(std::make_pair(g.cx, g.cy), std::make_pair(int64_t{51}, int64_t{89}));
    EXPECT_EQ(g.s1, 731);
    EXPECT_EQ(g.s2, 446);
    // The steepest curl is held to half the side; the thinnest is thin.
    EXPECT_EQ(PageCurl(99, 0, 80, 100).Shape().radius, 50);
    EXPECT_EQ(PageCurl(100, 0, 80, 100).Shape().radius, 50); // 100 is held to 99
    EXPECT_LE(PageCurl(1, 0, 80, 100).Shape().radius, 1);
    // The types that roll along the width take it as their side.
    EXPECT_EQ(PageCurl(99, 6, 80, 100).Shape().radius, 40);
    // A one-pixel side leaves no cylinder and nothing to divide by.
    const PageCurl::Geometry one = PageCurl(99, 0, 1, 1).Shape();
    EXPECT_EQ(one.radius, 0);
    for (int32_t s : {1, 50, 99})
        for (int32_t type = 0; type < 8; ++type) {
            const PageCurl::Geometry a = PageCurl(s, type, 57, 45).Shape();
            const PageCurlRef b(s, type, 57, 45);
            EXPECT_EQ(a.radius, b.r);
            EXPECT_EQ(std::make_tuple(a.x1, a.y1, a.x2, a.y2, a.cx, a.cy, a.s1, a.s2),
                      std::make_tuple(b.x1, b.y1, b.x2, b.y2, b.cx, b.cy, b.s1, b.s2))
                << s << " " << type;
        }
}

TEST(PageCurl, ShadeOfTheCurledPaper)
{
    const std::pair<double, int32_t> cases[] = {{1.0, 50}, {0.95, 83}, {0.9, 50}, {0.75, 0}, {0.5, 255},
                                                {0.25, 50}, {0.0975, 150}, {0.0, 2}, {0.05, 72}};
    for (const auto& [t, shade] : cases) {
        EXPECT_EQ(PageCurl::Shade(t), shade) << t;
        EXPECT_EQ(PageCurlRef::Shade(t), shade) << t;
    }
}

// The output of a host's filter area against the formulas; outside it the
// picture as it was.
void ExpectCurled(const ScriptedHost& host, int32_t strength, int32_t type)
{
    const Rect& f = host.FilterRect();
    const int32_t w = f.right - f.left, h = f.bottom - f.top, planes = host.Planes();
    std::vector<uint8_t> area;
    for (int32_t y = f.top; y < f.bottom; ++y)
        for (int32_t x = f.left; x < f.right; ++x)
            for (int32_t k = 0; k < planes; ++k)
                area.push_back(host.In(x, y, k));
    const std::vector<uint8_t> out = PageCurlRef(strength, type, w, h).Run(area, planes, host.record.backColor);
    for (int32_t y = 0; y < host.Height(); ++y)
        for (int32_t x = 0; x < host.Width(); ++x)
            for (int32_t k = 0; k < planes; ++k) {
                const bool inside = y >= f.top && y < f.bottom && x >= f.left && x < f.right;
                const uint8_t expected =
                    inside ? out[size_t(((y - f.top) * w + (x - f.left)) * planes + k)] : host.In(x, y, k);
                ASSERT_EQ(host.Out(x, y, k), expected) << "pixel " << x << "," << y << " plane " << k;
            }
}

class PageCurlModes : public FilterRunFixture, public ::testing::WithParamInterface<HostMode> {};

TEST_P(PageCurlModes, EveryTypeCurlsThePictureAsTheFormulasSay)
{
    const HostMode& m = GetParam();
    for (int32_t type = 0; type < 8; ++type)
        for (int32_t strength : {1, 45, 99}) {
            SCOPED_TRACE(testing::Message() << "type " << type << " strength " << strength);
            auto host = RunStored(m, "ENTRYPOINT5", {strength, type, 0, 0, 0, 0, 0});
            ExpectCurled(*host, strength, type);
            EXPECT_LE(host->MostRowSends(), 3);
            // Start writes nothing over the block.
            EXPECT_EQ(static_cast<SevenLongParams*>(host->parameters->data)->size, type);
        }
}

INSTANTIATE_TEST_SUITE_P(Hosts, PageCurlModes, ::testing::ValuesIn(AllHostModes()),
                         [](const ::testing::TestParamInfo<HostMode>& info) { return std::string(info.param.name); });

using PageCurlRun = FilterRunFixture;

TEST_F(PageCurlRun, WhereThePaperWasShowsTheBackgroundAndTinyPicturesCurlToo)
{
    auto host = RunStored(AllHostModes()[2], "ENTRYPOINT5", {60, 0, 0, 0, 0, 0, 0});
    const PageCurlRef ref(60, 0, kModeWidth, kModeHeight);
    int32_t background = 0;
    for (int32_t y = 0; y < kModeHeight; ++y)
        for (int32_t x = 1; x < kModeWidth; ++x) {
            double t = 0;
            if (ref.Region(x, y, t) == 2 && ref.Region(x - 1, y, t) == 2) {
                ++background;
                for (int32_t k = 0; k < 3; ++k)
                    ASSERT_EQ(host->Out(x, y, k), host->record.backColor[k]) << x << "," << y;
            }
        }
    EXPECT_GT(background, 0);
    // Pictures of one row, one column, one pixel.
    for (const auto& [w, h] : {std::pair{1, 1}, std::pair{1, 9}, std::pair{9, 1}}) {
        RememberHost(2, PI_FOURCC('F', 'S', 'X', '3'));
        auto tiny = MakeHost({PI_FOURCC('F', 'S', 'X', '3'), true, w, h, 3, Rect{0, 0, 0, 0}, 0}, "ENTRYPOINT5");
        tiny->Reset();
        ASSERT_EQ(tiny->Call(filterSelectorParameters), 0);
        *static_cast<SevenLongParams*>(tiny->parameters->data) = SevenLongParams{99, 5, 0, 0, 0, 0, 0};
        ASSERT_EQ(tiny->Run(false), 0);
        ExpectCurled(*tiny, 99, 5);
    }
}

TEST_F(PageCurlRun, DialogStartsFromTheSettingsFollowsEachButtonAndOkWritesThem)
{
    RememberHost(2, PI_HOST_SIG_EDITOR);
    Ini().WriteInt("PageCurl", "Strength", 40);
    Ini().WriteInt("PageCurl", "Type", 3);
    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 240, 160, 3, Rect{0, 0, 0, 0}, 0}, "ENTRYPOINT5");
    filterDialog = [&](fw::Dialog& d) {
        auto* slider = qobject_cast<QSlider*>(d.GetDlgItem(1060));
        auto* edit = qobject_cast<QLineEdit*>(d.GetDlgItem(1026));
        ASSERT_TRUE(slider && edit);
        auto* p = static_cast<SevenLongParams*>(host->parameters->data);
        EXPECT_EQ(slider->value(), 40);
        EXPECT_EQ(slider->maximum(), 99);
        EXPECT_EQ(slider->pageStep(), 10);
        EXPECT_EQ(p->strength, 40);
        EXPECT_EQ(p->size, 3);
        // Type 3 is the last button.
        for (uint32_t id = 1065; id <= 1072; ++id) {
            auto* button = qobject_cast<QAbstractButton*>(d.GetDlgItem(id));
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->isChecked(), id == 1072) << id;
            EXPECT_FALSE(button->icon().isNull());
        }
        d.grab();
        const ShownMap opening = host->shown.back();
        d.PressButton(1015);
        d.grab();
        const ShownMap unfiltered = host->shown.back();
        d.PressButton(1015);
        const std::vector<uint8_t> tile(unfiltered.pixels);
        EXPECT_EQ(opening.pixels, PageCurlRef(40, 3, 180, 120).Run(tile, 3, host->record.backColor));

        // Every button stores its type and curls the preview.
        const int32_t types[] = {4, 2, 1, 0, 7, 6, 5, 3};
        for (uint32_t id = 1065; id <= 1072; ++id) {
            qobject_cast<QAbstractButton*>(d.GetDlgItem(id))->click();
            EXPECT_EQ(p->size, types[id - 1065]);
            d.grab();
            EXPECT_EQ(host->shown.back().pixels,
                      PageCurlRef(40, types[id - 1065], 180, 120).Run(tile, 3, host->record.backColor))
                << id;
        }
        qobject_cast<QAbstractButton*>(d.GetDlgItem(1070))->click(); // type 6
        // 100 in the edit box takes the track bar to its end; 0 and 101 do
        // nothing.
        edit->setText("100");
        EXPECT_EQ(slider->value(), 99);
        EXPECT_EQ(p->strength, 99);
        for (const char* refused : {"0", "101", "x"}) {
            edit->setText(refused);
            EXPECT_EQ(p->strength, 99) << refused;
        }
        slider->triggerAction(QAbstractSlider::SliderPageStepSub);
        EXPECT_EQ(p->strength, 89);
        d.PressButton(9);
    };
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(filterTitles, (std::vector<std::string>{"Page curl"}));
    EXPECT_EQ(helpTopics, (std::vector<uint32_t>{10}));
    ExpectCurled(*host, 89, 6);
    EXPECT_EQ(Ini().GetInt("PageCurl", "Strength", -1), 89);
    EXPECT_EQ(Ini().GetInt("PageCurl", "Type", -1), 6);

    host->output = host->input;
    filterOk = false;
    filterDialog = [&](fw::Dialog& d) { qobject_cast<QAbstractButton*>(d.GetDlgItem(1065))->click(); };
    EXPECT_EQ(host->Run(true), userCanceledErr);
    EXPECT_EQ(host->output, host->input);
    EXPECT_EQ(Ini().GetInt("PageCurl", "Type", -1), 6);
}

TEST_F(PageCurlRun, RunsUnderTheHostLibraryByPathAndEntryName)
{
    std::filesystem::create_directories(config / stem);
    Ini().WriteInt("PageCurl", "Strength", 70);
    Ini().WriteInt("PageCurl", "Type", 7);
    FxgateByName fxgate(config.Path(), "ENTRYPOINT5");
    TestPicture source = CheckedPicture(45, 31);
    const uint8_t black[3] = {0, 0, 0};
    const std::vector<uint8_t> in = TopDown(source);
    const std::vector<uint8_t> expected = PageCurlRef(70, 7, 45, 31).Run(in, 3, black);
    for (int32_t ask : {1, 0}) {
        TestPicture destination = source;
        ASSERT_EQ(fxgate.Run(source, destination, ask), kRunDone);
        EXPECT_EQ(TopDown(destination), expected);
    }
    filterOk = false;
    TestPicture cancelled = source;
    EXPECT_EQ(fxgate.Run(source, cancelled, 1), kRunCancelled);
    EXPECT_EQ(cancelled.Pixels(), source.Pixels());
}

} // namespace
