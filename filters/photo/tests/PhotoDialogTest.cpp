// The photo dialogs through the framework's hooks: what OK stores, what
// Cancel leaves, the value labels, SmTune's combo box and the context help.
#include "PhotoFixture.h"

#include "filters/photo/BrCont.h"
#include "framework/App.h"
#include "framework/ControlId.h"
#include "framework/PopupMenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QSlider>
#include <fstream>
#include <iterator>

namespace {

using PhotoDialog = PhotoFixture;

std::string Text(fw::Dialog& d, uint32_t id)
{
    auto* label = qobject_cast<QLabel*>(d.GetDlgItem(id));
    return label ? label->text().toStdString() : std::string("<none>");
}

TEST_F(PhotoDialog, OkStoresTheSlidersAndFiltersWithThem)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    auto host = MakeHost({}, "ENTRYPOINT2");
    filterDialog = [&](PhotoFilterDialog& d) {
        // Starts from no change; the label shows the brightness.
        EXPECT_EQ(d.Params().Param(1), 255);
        EXPECT_EQ(Text(d, 1010), "0");
        EXPECT_EQ(Text(d, 1012), "50");
        auto* slider = qobject_cast<QSlider*>(d.GetDlgItem(1001));
        ASSERT_NE(slider, nullptr);
        EXPECT_EQ(slider->maximum(), 510);
        EXPECT_EQ(slider->tickInterval(), 51);
        d.OnHScroll(ArtFilterDialog::kThumbPosition, 300, 1001);
        d.OnHScroll(ArtFilterDialog::kThumbTrack, 90, 1002); // only the label
        EXPECT_EQ(Text(d, 1012), "90");
        d.OnHScroll(ArtFilterDialog::kThumbPosition, 70, 1002);
        EXPECT_EQ(Text(d, 1010), "45");
        EXPECT_EQ(d.windowTitle().toStdString(), "Brightness&Contrast parameters");
        EXPECT_NE(d.GetDlgItem(PhotoFilterDialog::IDC_PHOTO_HELP), nullptr);
        EXPECT_NE(d.GetDlgItem(1000), nullptr);
    };
    ASSERT_EQ(host->Run(true), 0);
    ASSERT_EQ(filterTitles.size(), 1u);
    EXPECT_EQ(Params(*host).Param(1), 300);
    EXPECT_EQ(Params(*host).Param(2), 70);
    EXPECT_EQ(Params(*host).showDialog, 0);
    EXPECT_EQ(Ini().GetInt("BrCont", "Param1", 0), 300);
    EXPECT_EQ(Ini().GetInt("BrCont", "Param2", 0), 70);
    for (size_t i = 0; i < host->input.size(); ++i)
        ASSERT_EQ(host->output[i], BrContSample(host->input[i], 300, 70)) << i;
}

TEST_F(PhotoDialog, CancelEndsTheRunAsCancelledAndWritesNothing)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    const std::string before = [&] {
        std::ifstream in(IniPath());
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    filterOk = false;
    for (const char* entry : {"ENTRYPOINT2", "ENTRYPOINT3", "ENTRYPOINT4", "ENTRYPOINT6", "ENTRYPOINT7"}) {
        SCOPED_TRACE(entry);
        auto host = MakeHost({}, entry);
        filterDialog = [](PhotoFilterDialog& d) { d.OnHScroll(ArtFilterDialog::kThumbPosition, 33, 1001); };
        EXPECT_EQ(host->Run(true), userCanceledErr);
        EXPECT_EQ(host->output, host->input);
    }
    std::ifstream in(IniPath());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), before);
    EXPECT_EQ(filterTitles, (std::vector<std::string>{"Brightness&Contrast parameters", "Color parameters",
                                                      "Red Eye Removing parameters", "Solarize",
                                                      "Smart tune parameters"}));
}

TEST_F(PhotoDialog, SmTuneChoosesItsCurveFromTheComboBox)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    auto host = MakeHost({}, "ENTRYPOINT7");
    filterDialog = [&](PhotoFilterDialog& d) {
        auto* combo = qobject_cast<QComboBox*>(d.GetDlgItem(1034));
        ASSERT_NE(combo, nullptr);
        ASSERT_EQ(combo->count(), 8);
        EXPECT_EQ(combo->itemText(6).toStdString(), "Faded");
        EXPECT_EQ(combo->currentIndex(), 0);
        combo->setCurrentIndex(6);
        EXPECT_EQ(d.Params().Param(1), 6);
    };
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(Ini().GetInt("SmTune", "Param1", 0), 6);
}

struct HelpCase {
    const char* entry;
    uint32_t dialogTopic;
    uint32_t helpButtonTopic;
    std::vector<std::pair<uint32_t, uint32_t>> controls;
};

TEST_F(PhotoDialog, ContextHelpNamesTheDialogAndItsControls)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    const HelpCase cases[] = {
        {"ENTRYPOINT2", 105, 3, {{1001, 106}, {1002, 107}}}, {"ENTRYPOINT3", 112, 3, {{1001, 113}, {1002, 114}}},
        {"ENTRYPOINT4", 117, 3, {{1001, 118}, {1002, 119}}}, {"ENTRYPOINT6", 120, 3, {{1001, 121}}},
        {"ENTRYPOINT7", 203, 0, {{1034, 203}}},
    };
    // "What's This?" is chosen wherever it is offered.
    std::vector<std::string> menus;
    fw::SetPopupMenuHook([&](QMenu& menu, const QPoint&) -> QAction* {
        QAction* item = menu.actions().value(0);
        menus.push_back(item->text().toStdString() + " " + std::to_string(fw::ControlId(item)));
        return item;
    });
    for (const HelpCase& c : cases) {
        SCOPED_TRACE(c.entry);
        help.clear();
        menus.clear();
        auto host = MakeHost({}, c.entry);
        filterDialog = [&](PhotoFilterDialog& d) {
            d.show();
            QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
            QApplication::sendEvent(&d, &f1);
            for (const auto& [control, topic] : c.controls)
                EXPECT_TRUE(d.ShowControlHelp(control));
            EXPECT_FALSE(d.ShowControlHelp(1000));
            // A right click on the first control, and on the preview switch,
            // which has no topic.
            for (uint32_t id : {c.controls.front().first, ArtFilterDialog::IDC_PREVIEW_SWITCH}) {
                QWidget* control = d.GetDlgItem(id);
                const QPoint at = control->rect().center();
                QContextMenuEvent click(QContextMenuEvent::Mouse, at, control->mapToGlobal(at));
                QApplication::sendEvent(control, &click);
            }
            d.PressButton(PhotoFilterDialog::IDC_PHOTO_HELP);
        };
        ASSERT_EQ(host->Run(true), 0);
        EXPECT_EQ(menus, std::vector<std::string>(2, "&What's This? 1033"));
        ASSERT_EQ(help.size(), c.controls.size() + 3);
        EXPECT_EQ(help[0].data, c.dialogTopic);
        EXPECT_EQ(help[0].command, uint32_t(fw::HELP_CONTEXT));
        for (size_t i = 0; i < c.controls.size(); ++i) {
            EXPECT_EQ(help[i + 1].data, c.controls[i].second);
            EXPECT_EQ(help[i + 1].command, uint32_t(fw::HELP_CONTEXTPOPUP));
        }
        const fw::HelpRequest& whatsThis = help[c.controls.size() + 1];
        EXPECT_EQ(whatsThis.data, c.controls.front().second);
        EXPECT_EQ(whatsThis.command, uint32_t(fw::HELP_CONTEXTPOPUP));
        EXPECT_EQ(help.back().data, c.helpButtonTopic);
        EXPECT_EQ(std::filesystem::path(help.back().helpFile).filename(), "telvy11.hlp");
    }
    fw::SetPopupMenuHook({});
}

TEST_F(PhotoDialog, GrabsTheHueSatDialog)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 120, 90, 3, {}}, "ENTRYPOINT3");
    for (int32_t y = 0; y < 90; ++y)
        for (int32_t x = 0; x < 120; ++x) {
            uint8_t* p = &host->input[size_t((y * 120 + x) * 3)];
            p[0] = uint8_t(x * 2), p[1] = uint8_t(y * 2), p[2] = uint8_t(255 - x);
        }
    host->output = host->input;
    filterDialog = [](PhotoFilterDialog& d) {
        d.OnHScroll(ArtFilterDialog::kThumbPosition, 120, 1002);
        if (const char* path = std::getenv("QN_PHOTO_GRAB"))
            d.grab().save(path);
    };
    ASSERT_EQ(host->Run(true), 0);
}

} // namespace
