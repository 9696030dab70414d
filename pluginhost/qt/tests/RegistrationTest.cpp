// The registration window while a scan reads the test modules, the wait
// cursor around the scan, and the colour chooser.
#include "pluginhost/PlugInCatalogue.h"
#include "pluginhost/qt/PlugInQtUi.h"
#include "pluginhost/qt/PlugInRegistrationDialog.h"
#include "pluginhost/tests/PlugInFolders.h"

#include "framework/ColorDialog.h"
#include "framework/DataExchange.h"

#include <QGuiApplication>
#include <QProgressBar>

#include <gtest/gtest.h>

namespace {

// What the window showed at each step of the scan.
struct Shown {
    std::string text, name, module;
    int progress = -1;
    bool visible = false;
    bool waitCursor = false;
};

class WatchedUi : public PlugInQtUi {
public:
    void StepRegistration(int32_t done) override
    {
        PlugInQtUi::StepRegistration(done);
        PlugInRegistrationDialog* window = Registration();
        if (!window)
            return;
        auto text = [&](uint32_t id) { return fw::GetControlText(window->GetDlgItem(id)); };
        const QCursor* cursor = QGuiApplication::overrideCursor();
        steps.push_back({text(PlugInRegistrationDialog::IDC_TEXT), text(PlugInRegistrationDialog::IDC_NAME),
                         text(PlugInRegistrationDialog::IDC_MODULE),
                         qobject_cast<QProgressBar*>(window->GetDlgItem(PlugInRegistrationDialog::IDC_PROGRESS))
                             ->value(),
                         window->isVisible(), cursor && cursor->shape() == Qt::WaitCursor});
    }
    std::vector<Shown> steps;
};

TEST(Registration, ShowsEachModuleAndPlugInWhileNewFoldersAreRead)
{
    PlugInFolders folders;
    folders.AddModule("plugins", "invert");
    folders.AddModule("plugins", "twoentries");
    const std::string folder = folders.Folder("plugins");

    PlugInCatalogue catalogue;
    WatchedUi ui;
    PlugInFolderList list;
    list.Add(folder);
    catalogue.ApplyFolders(&list, ui);

    ASSERT_EQ(ui.steps.size(), 2u);
    const Shown& first = ui.steps[0];
    EXPECT_EQ(first.text, "Adding Plug-ins ...");
    EXPECT_EQ(first.name, "Invert...");
    EXPECT_EQ(first.module, folder + "/invert.8bf");
    EXPECT_EQ(first.progress, 50);
    EXPECT_TRUE(first.visible);
    EXPECT_TRUE(first.waitCursor);
    const Shown& second = ui.steps[1];
    EXPECT_EQ(second.name, "Sharpen edges...");
    EXPECT_EQ(second.module, folder + "/twoentries.8bf");
    EXPECT_EQ(second.progress, 100);

    // Down again, with the cursor it put up.
    EXPECT_EQ(ui.Registration(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(catalogue.Count(), 3u);

    // A rescan of the same folder reads nothing new and shows nothing.
    ui.steps.clear();
    catalogue.ApplyFolders(nullptr, ui);
    EXPECT_TRUE(ui.steps.empty());
}

TEST(Registration, TheWindowLaidOutForAScan)
{
    PlugInRegistrationDialog window;
    window.Open("Adding Plug-ins ...");
    window.SetTotal(4);
    window.SetName("Sharpen edges...");
    window.SetModule("/usr/lib/quendle/plugins/twoentries.8bf");
    window.Step(1);
    EXPECT_TRUE(window.windowTitle().isEmpty());
    EXPECT_EQ(qobject_cast<QProgressBar*>(window.GetDlgItem(PlugInRegistrationDialog::IDC_PROGRESS))->value(), 25);
    // A module path wider than the window does not widen it.
    const int width = window.width();
    window.SetModule("/" + std::string(400, 'm') + ".8bf");
    window.Step(2);
    EXPECT_EQ(window.width(), width);
}

TEST(ColourChooser, AnswersTheChosenColourOrFalseOnCancel)
{
    std::optional<fw::ColorRef> answer = fw::Rgb(10, 20, 30);
    fw::ColorRef offered = 0;
    fw::SetColorDialogHook([&](fw::ColorRef initial) {
        offered = initial;
        return answer;
    });
    PlugInQtUi ui;
    uint32_t chosen = 0;
    EXPECT_TRUE(ui.ChooseColour(nullptr, fw::Rgb(1, 2, 3), chosen));
    EXPECT_EQ(offered, fw::Rgb(1, 2, 3));
    EXPECT_EQ(chosen, fw::Rgb(10, 20, 30));

    answer.reset();
    chosen = 7;
    EXPECT_FALSE(ui.ChooseColour(nullptr, fw::Rgb(1, 2, 3), chosen));
    EXPECT_EQ(chosen, 7u);
    fw::SetColorDialogHook({});
}

} // namespace
