// The art filters' dialogs through the framework's hooks: titles, slider
// ranges and defaults, the numbers and the angle displays following the
// sliders, Buttonize's check box, the brush display and its list, the
// preview crop dragged, OK storing the values and Cancel answering the
// user-cancel code; and blocks edited by hand held to the sliders' ranges.
#include "ArtFilterFixture.h"

#include "filters/art/ArtSliderDialog.h"
#include "filters/art/BrushDialog.h"
#include "filters/art/frame/DibControl.h"
#include "filters/art/frame/PreviewDragControl.h"
#include "pluginhost/Fxgate.h"
#include "pluginhost/FxgateLibrary.h"
#include "pluginhost/PlugInHost.h"
#include "pluginhost/tests/TestPicture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QSlider>
#include <fstream>
#include <iterator>

namespace {

using ArtDialogRun = ArtFilterFixture;

struct SliderCase {
    uint32_t slider, number;
    int32_t min, max, tick, start, chosen;
};

struct DialogCase {
    const char* entry;
    const char* title;
    const char* section;
    std::vector<SliderCase> sliders;
    int32_t angle; // the display's angle at the start; -1: none
};

std::string IniText(const std::string& path)
{
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(ArtDialogRun, SlidersStoreOnOkAndCancelWritesNothing)
{
    RememberHost(0, PI_FOURCC('8', 'B', 'I', 'M'));
    const DialogCase cases[] = {
        {"ENTRYPOINT", "3D Mosaic parameters", "3DMosaic",
         {{1001, 1010, 2, 32, 1, 16, 5}, {1002, 1012, 2, 32, 1, 16, 7}, {1004, 1013, 0, 8, 1, 4, 2},
          {1006, 1015, 1, 100, 10, 50, 90}, {1008, 1018, 0, 100, 10, 0, 40}},
         -1},
        {"ENTRYPOINT3", "Emboss parameters", "Emboss", {{1001, 1010, 0, 360, 36, 0, 225}}, 0},
        {"ENTRYPOINT4", "Engrave parameters", "Engrave", {{1001, 1010, 0, 100, 10, 50, 20}}, -1},
        {"ENTRYPOINT5", "Facetted glass parameters", "FGlass", {{1001, 1010, 1, 100, 10, 15, 6}}, -1},
        {"ENTRYPOINT6", "Graphic pen parameters", "GrPen", {{1001, 1010, 0, 180, 18, 45, 100}}, 45},
        {"ENTRYPOINT9", "Note paper parameters", "NoteP",
         {{1001, 1010, 1, 100, 10, 50, 70}, {1002, 1012, 1, 100, 10, 10, 30}, {1004, 1013, 1, 100, 10, 10, 60}},
         -1},
        {"ENTRYPOINT13", "Relief parameters", "Relief",
         {{1001, 1010, 1, 100, 10, 50, 75}, {1002, 1012, 1, 100, 10, 10, 4}}, -1},
        {"ENTRYPOINT14", "Scatter parameters", "Scat", {{1001, 1010, 1, 100, 10, 10, 4}}, -1},
        {"ENTRYPOINT15", "Strokes parameters", "Strokes", {{1001, 1010, 1, 100, 10, 50, 12}}, -1},
        {"ENTRYPOINT16", "Buttonize parameters", "Buttonz", {{1001, 1010, 1, 100, 10, 10, 4}}, -1},
    };
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.entry);
        ScriptedHost::Options options;
        options.hostSig = PI_FOURCC('8', 'B', 'I', 'M');
        options.width = 260;
        options.height = 220;
        // Cancel: the user-cancel code, the picture and the settings as
        // they were.
        const std::string before = IniText(IniPath());
        filterOk = false;
        auto host = MakeHost(options, c.entry);
        filterDialog = [&](ArtFilterDialog& d) {
            d.OnHScroll(ArtFilterDialog::kThumbPosition, c.sliders[0].chosen, c.sliders[0].slider);
        };
        EXPECT_EQ(host->Run(true), userCanceledErr);
        EXPECT_EQ(host->output, host->input);
        EXPECT_EQ(IniText(IniPath()), before);

        filterOk = true;
        host = MakeHost(options, c.entry);
        Rect dragged{};
        filterDialog = [&](ArtFilterDialog& d) {
            EXPECT_EQ(d.windowTitle().toStdString(), c.title);
            auto* sliderDialog = dynamic_cast<ArtSliderDialog*>(&d);
            ASSERT_NE(sliderDialog, nullptr);
            EXPECT_EQ(sliderDialog->ShownAngle(), c.angle);
            for (const SliderCase& s : c.sliders) {
                auto* slider = qobject_cast<QSlider*>(d.GetDlgItem(s.slider));
                auto* number = qobject_cast<QLabel*>(d.GetDlgItem(s.number));
                ASSERT_NE(slider, nullptr);
                ASSERT_NE(number, nullptr);
                EXPECT_EQ(slider->minimum(), s.min);
                EXPECT_EQ(slider->maximum(), s.max);
                EXPECT_EQ(slider->tickInterval(), s.tick);
                EXPECT_EQ(slider->value(), s.start);
                EXPECT_EQ(number->text().toInt(), s.start);
                // The thumb dragged shows its number (and angle) only.
                d.OnHScroll(ArtFilterDialog::kThumbTrack, s.chosen, s.slider);
                EXPECT_EQ(number->text().toInt(), s.chosen);
                if (s.slider == 1001 && c.angle >= 0) {
                    EXPECT_EQ(sliderDialog->ShownAngle(), s.chosen);
                }
                d.OnHScroll(ArtFilterDialog::kThumbPosition, s.chosen, s.slider);
            }
            if (std::string(c.entry) == "ENTRYPOINT16") {
                auto* pressed = qobject_cast<QCheckBox*>(d.GetDlgItem(1012));
                ASSERT_NE(pressed, nullptr);
                pressed->click();
            }
            // The crop follows the hand and stays inside the area.
            const Rect start = host->record.outRect;
            EXPECT_EQ(start.right - start.left, 180);
            EXPECT_EQ(start.bottom - start.top, 180);
            d.OnDragBegin();
            d.OnDragStep(-25, 12);
            d.OnDragStep(-500, 0);
            d.OnDragEnd();
            dragged = host->record.outRect;
            EXPECT_EQ(dragged.left, 0);
            EXPECT_EQ(dragged.top, start.top + 12);
            EXPECT_TRUE(d.Preview()->isVisible() || !d.isVisible());
        };
        ASSERT_EQ(host->Run(true), 0);
        EXPECT_EQ(dragged.left, 0);
        ArtParams chosen = Params(*host);
        for (const SliderCase& s : c.sliders) {
            const int32_t k = s.slider == 1001 ? 1 : s.slider == 1002 ? 2 : s.slider == 1004 ? 3 : s.slider == 1006 ? 4 : 5;
            EXPECT_EQ(chosen.Param(k), s.chosen);
            EXPECT_EQ(Ini().GetInt(c.section, "Param" + std::to_string(k), -1), s.chosen);
        }
        if (std::string(c.entry) == "ENTRYPOINT16") {
            EXPECT_EQ(chosen.Param(2), 1);
        }
        EXPECT_EQ(chosen.showDialog, 0);
        // The picture is the one the stored values give.
        auto again = MakeHost(options, c.entry);
        again->parameters = host->parameters;
        host->parameters = nullptr;
        ASSERT_EQ(again->Run(false), 0);
        EXPECT_EQ(again->output, host->output);
        EXPECT_NE(host->output, host->input);
    }
}

TEST_F(ArtDialogRun, BrushDialogsListTheBrushesAndSwapTheirRows)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    for (const char* entry : {"ENTRYPOINT1", "ENTRYPOINT8"}) {
        SCOPED_TRACE(entry);
        auto host = MakeHost({}, entry);
        filterDialog = [&](ArtFilterDialog& d) {
            auto* brush = dynamic_cast<BrushDialog*>(&d);
            ASSERT_NE(brush, nullptr);
            EXPECT_EQ(d.windowTitle().toStdString(),
                      std::string(entry) == "ENTRYPOINT8" ? "Oil paint parameters" : "Automatic brush parameters");
            const uint32_t sliders[] = {1001, 1002, 1004, 1006};
            const int32_t ranges[][3] = {{4, 100, 10}, {5, 100, 10}, {0, 10, 1}, {0, 180, 18}};
            for (size_t i = 0; i < 4; ++i) {
                auto* s = qobject_cast<QSlider*>(d.GetDlgItem(sliders[i]));
                ASSERT_NE(s, nullptr);
                EXPECT_EQ(s->minimum(), ranges[i][0]);
                EXPECT_EQ(s->maximum(), ranges[i][1]);
                EXPECT_EQ(s->tickInterval(), ranges[i][2]);
            }
            auto* display = dynamic_cast<DibControl*>(d.GetDlgItem(BrushDialog::IDC_BRUSH));
            ASSERT_NE(display, nullptr);
            EXPECT_EQ(display->size(), QSize(33, 33));
            EXPECT_EQ(display->Angle(), 45);
            const std::vector<uint8_t> ellipse = display->Dib();
            // The angle slider turns the shown brush; the aspect remakes it.
            d.OnHScroll(ArtFilterDialog::kThumbPosition, 120, 1006);
            EXPECT_EQ(display->Angle(), 120);
            d.OnHScroll(ArtFilterDialog::kThumbPosition, 90, 1002);
            EXPECT_NE(display->Dib(), ellipse);
            // A click opens the list of ten brushes; a bitmap brush hides
            // the aspect and edge rows.
            QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                              Qt::NoModifier);
            QApplication::sendEvent(display, &click);
            QCoreApplication::processEvents(); // the display posts its command
            ASSERT_TRUE(brush->BrushMenu()->isVisible());
            ASSERT_EQ(brush->BrushMenu()->actions().size(), 10);
            brush->BrushMenu()->actions()[5]->trigger(); // RADIANT
            brush->BrushMenu()->hide();
            EXPECT_EQ(d.Params().Param(5), 25005);
            EXPECT_FALSE(brush->GeneratedLayout());
            EXPECT_FALSE(d.GetDlgItem(1002)->isVisibleTo(&d));
            EXPECT_FALSE(d.GetDlgItem(1004)->isVisibleTo(&d));
            EXPECT_TRUE(d.GetDlgItem(1006)->isVisibleTo(&d));
            brush->BrushMenu()->actions()[2]->trigger(); // rectangle
            EXPECT_TRUE(brush->GeneratedLayout());
            EXPECT_TRUE(d.GetDlgItem(1002)->isVisibleTo(&d));
            // The angle follows the picture: its row goes.
            qobject_cast<QCheckBox*>(d.GetDlgItem(BrushDialog::IDC_AUTO_ANGLE))->click();
            EXPECT_EQ(d.Params().Param(6), 1);
            EXPECT_FALSE(d.GetDlgItem(1006)->isVisibleTo(&d));
        };
        ASSERT_EQ(host->Run(true), 0);
        const ArtParams& p = Params(*host);
        EXPECT_EQ(p.Param(5), 25002);
        EXPECT_EQ(p.Param(6), 1);
        EXPECT_EQ(p.Param(4), 120);
        EXPECT_EQ(p.Param(2), 90);
        EXPECT_EQ(Ini().GetInt(std::string(entry) == "ENTRYPOINT8" ? "OilPaint" : "AutoBrush", "Param5", 0), 25002);
    }
}

TEST_F(ArtDialogRun, HandEditedBlocksFilterAsTheNearestSliderValue)
{
    struct Case {
        const char* entry;
        std::initializer_list<int32_t> edited;
        std::initializer_list<int32_t> held;
    };
    const Case cases[] = {
        {"ENTRYPOINT", {1, 100, -3, 900, 400}, {2, 32, 0, 100, 100}},
        {"ENTRYPOINT1", {1, 0, 50, -20, 99999, 7}, {4, 5, 10, 0, 25009, 1}},
        {"ENTRYPOINT3", {1000}, {360}},
        {"ENTRYPOINT4", {-5}, {0}},
        {"ENTRYPOINT5", {0}, {1}},
        {"ENTRYPOINT6", {-90}, {0}},
        {"ENTRYPOINT9", {0, 500, -1}, {1, 100, 1}},
        {"ENTRYPOINT13", {200, 0}, {100, 1}},
        {"ENTRYPOINT14", {-7}, {1}},
        {"ENTRYPOINT15", {1000}, {100}},
        {"ENTRYPOINT16", {0, 5}, {1, 5}},
    };
    RememberHost(0, PI_FOURCC('8', 'B', 'I', 'M'));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        ScriptedHost::Options options;
        options.hostSig = PI_FOURCC('8', 'B', 'I', 'M');
        options.width = 29;
        options.height = 23;
        auto edited = MakeHost(options, c.entry);
        PrepareBlock(*edited, c.edited);
        ASSERT_EQ(edited->Run(false), 0);
        auto held = MakeHost(options, c.entry);
        PrepareBlock(*held, c.held);
        ASSERT_EQ(held->Run(false), 0);
        EXPECT_EQ(edited->output, held->output);
    }
}

// Oil paint of OVARTG.8bf run by the plug-in host library as the editor's
// effect table runs it: the module by path, the entry by name; the dialog
// the first time, the kept parameters the second.
TEST_F(ArtDialogRun, OilPaintRunsUnderFxgateByName)
{
    const std::string catalogue = config / "Telvy12.DAT";
    const std::string folder = std::filesystem::path(OVARTG_MODULE).parent_path();
    const PIInitPaths paths{catalogue.c_str(), folder.c_str()};
    ASSERT_EQ(PIInitPluginSupport(&paths), 1);
    PlugInHost& fx = Fxgate()->host;
    ASSERT_EQ(fx.LoadModule(OVARTG_MODULE, "ENTRYPOINT8", nullptr), kRunDone);

    const int32_t w = 47, h = 33;
    TestPicture source(16, w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            for (int32_t k = 0; k < 3; ++k)
                source.At(x, y)[k] = uint8_t(k == 0 ? x * 5 : k == 1 ? y * 7 : ((x / 6 + y / 5) % 2) * 220);
    filterDialog = [](ArtFilterDialog& d) { d.OnHScroll(ArtFilterDialog::kThumbPosition, 8, 1001); };
    Handle parameters = nullptr;
    intptr_t data = 0;
    int32_t ask = 1, within = 0;
    std::vector<uint8_t> first;
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        TestPicture destination = source;
        PIRECT changed{};
        ASSERT_EQ(fx.BeginRun(nullptr, 0, 0, &destination, &source, 0, 0, nullptr, nullptr, nullptr, &within),
                  kRunDone);
        ASSERT_EQ(fx.Run(&ask, fx.Entry(), supportsRGBColor | supportsGrayScale, nullptr, &parameters, &data,
                         &changed),
                  kRunDone);
        ASSERT_NE(parameters, nullptr);
        EXPECT_EQ(static_cast<ArtParams*>(parameters->data)->Param(1), 8);
        EXPECT_NE(destination.Pixels(), source.Pixels());
        if (run == 0)
            first = destination.Pixels();
        else
            EXPECT_EQ(destination.Pixels(), first); // the sequence starts over every run
    }
    EXPECT_EQ(filterTitles, (std::vector<std::string>{"Oil paint parameters"}));
    EXPECT_EQ(preselected, (std::vector<int>{5}));

    // The same picture through the scripted host with the kept values.
    ScriptedHost::Options options;
    options.width = w;
    options.height = h;
    RememberHost(5, PI_HOST_SIG_EDITOR);
    auto host = MakeHost(options, "ENTRYPOINT8");
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            for (int32_t k = 0; k < 3; ++k)
                host->input[size_t((y * w + x) * 3 + k)] = source.At(x, y)[k];
    host->output = host->input;
    host->parameters = parameters;
    ASSERT_EQ(host->Run(false), 0);
    host->parameters = nullptr;
    TestPicture destination = source;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            for (int32_t k = 0; k < 3; ++k)
                destination.At(x, y)[k] = host->Out(x, y, k);
    EXPECT_EQ(destination.Pixels(), first);

    // Asked again and cancelled: the picture stays and the run says so.
    filterOk = false;
    ask = 1;
    TestPicture cancelled = source;
    PIRECT changed{};
    ASSERT_EQ(fx.BeginRun(nullptr, 0, 0, &cancelled, &source, 0, 0, nullptr, nullptr, nullptr, &within), kRunDone);
    EXPECT_EQ(fx.Run(&ask, fx.Entry(), supportsRGBColor, nullptr, &parameters, &data, &changed), kRunCancelled);
    EXPECT_EQ(cancelled.Pixels(), source.Pixels());
    FreeHostHandle(parameters);
}

} // namespace
