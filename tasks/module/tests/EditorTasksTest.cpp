// The module inside the real editor: the editor's application object started
// with a settings file naming the built module, its task bar showing the
// stages of its shipped settings with their tools, and on an open picture
// every tool of the module pressed through the bar: command tools reach the
// editor's command (edits are one undo step), current tools take the bar
// with their panel, menu tools show the editor's menu, wizards run with
// their dialogs answered and the desktop replaced by recording services.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "editor/app/Lodo40App.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/effects/EffectModuleFolder.h"
#include "editor/frame/MainFrm.h"
#include "editor/loadable/LdLoadable.h"
#include "editor/loadable/LdTool.h"
#include "editor/mail/MailState.h"
#include "editor/mail/tests/RecordingXdgEmail.h"
#include "editor/registry/LdRegistry.h"
#include "editor/ui/BarButton.h"
#include "editor/ui/BarButtonPicture.h"
#include "editor/ui/LdBarIds.h"
#include "editor/ui/LdDialogBar.h"
#include "filters/sdk/PIFilter.h"
#include "framework/Clipboard.h"
#include "framework/ControlId.h"
#include "framework/DocTemplate.h"
#include "framework/FileDialog.h"
#include "framework/PrintDialog.h"
#include "imexp/ImExp.h"
#include "picture/Picture.h"
#include "platform/IniFile.h"
#include "platform/tests/TestFolder.h"
#include "scanner/ScanDialogIds.h"
#include "scanner/tests/SaneTestBackend.h"
#include "tasks/module/LdWizardServices.h"
#include "tasks/module/tests/WizardFixture.h"

#include <QComboBox>

namespace {

namespace fs = std::filesystem;

constexpr int32_t kWidth = 40, kHeight = 30;

// The editor as the module reaches it, with every call noted on the way.
class NotingEditor : public CLdEditorHost {
public:
    QWidget* MainWindow() override { return Real().MainWindow(); }
    void SendCommand(uint32_t id) override
    {
        calls.push_back("command " + std::to_string(id));
        Real().SendCommand(id);
    }
    void TrackPopup(const fw::MenuItem& popup, const QPoint& at) override
    {
        calls.push_back("popup " + popup.text);
        Real().TrackPopup(popup, at);
    }
    bool HasActivePicture() override { return Real().HasActivePicture(); }
    void MinimizeMainWindow() override { Real().MinimizeMainWindow(); }
    void RestoreMainWindow() override { Real().RestoreMainWindow(); }
    void InvalidateActiveView() override { Real().InvalidateActiveView(); }

    std::vector<std::string> calls;

private:
    static CLdEditorHost& Real() { return CLdEditorHost::Application(); }
};

// The settings file the editor ships, naming the module as built.
std::string ShippedSettings()
{
    std::ifstream in(TELVY12_INI);
    std::stringstream text;
    text << in.rdbuf();
    return std::regex_replace(text.str(), std::regex("lib0=Wrenkit\\.so"), "lib0=" WRENKIT_PATH);
}

class EditorWithModule : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* sub : {"config/Telvy12", "run", "plugins", "mail"})
            fs::create_directories(folder / sub);
        fs::permissions(folder / "run", fs::perms::owner_all);
        setenv("QN_CONFIG_HOME", (folder / "config").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (folder / "run").c_str(), 1);
        // No sliding bars; no plug-ins but the editor's own effects.
        TestFolder::Write(folder / "config/Telvy12/Telvy12.INI",
                          ShippedSettings() + "\n[INTERFACE]\nAnimation=0\nPalette=0\n[PLUGIN_DIR]\ndir=" +
                              (folder / "plugins") + "\n");
        // The effect modules lie beside the program; they know their host.
        SetEffectModuleFolder(QN_PROGRAM_FOLDER);
        for (const char* stem : {"rubber", "OVARTG", "Fxrun", "edges"}) {
            fs::create_directories((folder / "config/") + stem);
            platform::IniFile ini((folder / "config/") + stem + "/" + stem + ".INI");
            ini.WriteInt("Host", "Hostnum", 0);
            ini.WriteInt("Host", "Hostsign", int32_t(PI_HOST_SIG_EDITOR));
        }
        mail.Install("exit 0");

        CLdWizardServices::SetEditor(&editor);
        CLdWizardServices::SetWallpaper(&desktop);
        CLdWizardServices::SetLauncher(&launcher);
        fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& request) {
            seen.push_back("message " + request.text);
            // Closing a changed picture does not save it.
            return (request.type & 0xF) == fw::MB_YESNOCANCEL || (request.type & 0xF) == fw::MB_YESNO ? fw::IDNO
                                                                                                      : fw::IDOK;
        });
        fw::SetDialogHook([this](fw::Dialog& dialog) { AnswerDialog(dialog); });
        fw::SetFileDialogHook([this](const fw::FileDialogRequest& request) -> std::optional<std::string> {
            seen.push_back(std::string("file dialog ") + (request.open ? "open" : "save"));
            return std::nullopt;
        });
        fw::SetPrintDialogHook([this](fw::PrintDialogRequest&) {
            seen.push_back("print dialog");
            return false;
        });
        fw::SetPopupMenuHook([this](QMenu& menu, const QPoint&) -> QAction* {
            seen.push_back("menu of " + std::to_string(menu.actions().size()));
            return nullptr;
        });

        app = std::make_unique<CLodo40App>();
        app->SetArguments({"-nosplash"});
        app->InstallEventHooks();
        ASSERT_TRUE(app->InitInstance());
        frame = app->MainFrame();
        ASSERT_NE(frame, nullptr);
        frame->startProgram = [this](const std::string& program, const std::vector<std::string>& args) {
            std::string line = "start " + program;
            for (const std::string& arg : args)
                line += " " + arg;
            seen.push_back(line);
            return true;
        };
        Settle();
    }

    void TearDown() override
    {
        if (app) {
            CLdMailState::Get().WaitForSends();
            app->CloseAllDocuments(true);
            Settle();
            app->ExitInstance();
            delete frame;
            app.reset();
        }
        fw::SetPopupMenuHook({});
        fw::SetPrintDialogHook({});
        fw::SetFileDialogHook({});
        fw::SetDialogHook({});
        fw::SetMessageBoxHook({});
        CLdWizardServices::SetEditor(nullptr);
        CLdWizardServices::SetWallpaper(nullptr);
        CLdWizardServices::SetLauncher(nullptr);
        SetEffectModuleFolder("");
    }

    void AnswerDialog(fw::Dialog& dialog)
    {
        const std::string title = dialog.windowTitle().toStdString();
        seen.push_back("dialog " + title);
        // A small scan, so that it is quick.
        if (auto* resolutions = qobject_cast<QComboBox*>(dialog.GetDlgItem(IDC_SCAN_RESOLUTION)))
            resolutions->setCurrentIndex(resolutions->findText("50 dpi"));
        // The calendar ends with Exit, its Cancel.
        dialog.PressButton(title == "Calendar" ? fw::IDCANCEL : fw::IDOK);
    }

    // Lets posted work (deletions, deferred commands) run and the bars
    // update their buttons as the idle time does.
    void Settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
            if (frame)
                frame->UpdateCommandUI();
        }
    }

    CLdDialogBar& TaskBar() { return *frame->Manager().TaskBar(); }
    CLdDialogBar& ToolBar() { return *frame->Manager().ToolBar(); }

    // The names on a bar's buttons, in order.
    static std::vector<std::string> ButtonNames(CLdDialogBar& bar)
    {
        std::vector<std::string> names;
        for (const auto& entry : bar.Logic().Loadables())
            names.push_back(entry->GetName());
        return names;
    }

    // Clicks the button of name on bar, as the user does.
    void Press(CLdDialogBar& bar, const std::string& name)
    {
        const std::vector<std::string> names = ButtonNames(bar);
        const auto at = std::find(names.begin(), names.end(), name);
        ASSERT_NE(at, names.end()) << name;
        CBarButton* button = bar.TaskButton(IDC_BAR_TASK_FIRST + uint32_t(at - names.begin()));
        ASSERT_NE(button, nullptr) << name;
        ASSERT_TRUE(button->isEnabled()) << name;
        button->click();
        Settle();
    }

    // Opens a picture of distinct pixels saved as a file.
    CLodo40Doc* OpenPicture()
    {
        PpQnPicture p(kWidth, kHeight, WA_RGB24, nullptr);
        std::vector<uint8_t> row(size_t(kWidth) * 3);
        for (int32_t y = 0; y < kHeight; ++y) {
            for (int32_t x = 0; x < kWidth; ++x) {
                row[size_t(3 * x)] = uint8_t(x * 6);
                row[size_t(3 * x + 1)] = uint8_t(y * 8);
                row[size_t(3 * x + 2)] = uint8_t(x * y);
            }
            p->SetRow(0, 0, y, row.data());
        }
        const std::string path = folder / "picture.bmp";
        EXPECT_TRUE(imexp::WritePicture(path, *p));
        app->OpenFile(path);
        Settle();
        return app->ActiveLodoDocument();
    }

    std::vector<fw::Document*> Documents()
    {
        std::vector<fw::Document*> docs;
        for (const auto& docTemplate : app->GetDocManager().GetTemplates())
            for (fw::Document* doc : docTemplate->GetDocuments())
                docs.push_back(doc);
        return docs;
    }

    TestFolder folder;
    RecordingXdgEmail mail{folder / "mail"};
    SaneTestBackend scanner;
    NotingEditor editor;
    RecordingWallpaper desktop;
    RecordingLauncher launcher;
    std::vector<std::string> seen;  // dialogs, messages, menus and programs, in order
    std::unique_ptr<CLodo40App> app;
    CMainFrame* frame = nullptr;
};

}  // namespace

// Each stage of the shipped settings shows its tools as buttons of the tool
// bar: the module's caption, tool tip, picture and help id.
TEST_F(EditorWithModule, EachStageShowsItsToolsFromTheShippedSettings)
{
    const std::vector<std::string> stages = {"Start", "Easy", "Retouch", "Artwork", "Finish"};
    EXPECT_EQ(ButtonNames(TaskBar()), stages);
    EXPECT_TRUE(app->Registry().Problems().empty());
    OpenPicture();
    platform::IniFile shipped(TELVY12_INI);
    for (const std::string stage : {"Easy", "Retouch", "Artwork", "Finish", "Start"}) {
        SCOPED_TRACE(stage);
        Press(TaskBar(), stage);
        std::vector<std::string> listed;
        for (int32_t i = 0; i < shipped.GetInt(stage, "tools", 0); ++i)
            listed.push_back(shipped.GetString(stage, "tool" + std::to_string(i), ""));
        ASSERT_FALSE(listed.empty());
        ASSERT_EQ(ButtonNames(ToolBar()), listed);
        for (size_t i = 0; i < listed.size(); ++i) {
            SCOPED_TRACE(listed[i]);
            const CLdLoadable& entry = *ToolBar().Logic().Loadables()[i];
            ASSERT_NE(dynamic_cast<const CLdTool*>(&entry), nullptr);
            CBarButton* button = ToolBar().TaskButton(IDC_BAR_TASK_FIRST + uint32_t(i));
            ASSERT_NE(button, nullptr);
            EXPECT_FALSE(entry.GetTitle().empty());
            EXPECT_EQ(button->text().toStdString(), entry.GetTitle());
            EXPECT_EQ(button->toolTip().toStdString(), entry.GetToolTip().substr(0, 79));
            EXPECT_EQ(fw::HelpId(button), uint32_t(const_cast<CLdLoadable&>(entry).GetHelpId()));
            EXPECT_TRUE(button->isEnabled());
            // The module's picture, its teal pixels left out.
            const auto picture = fw::Clipboard::DibToImage(entry.LoadButtonBitmap());
            ASSERT_TRUE(picture.has_value());
            ASSERT_EQ(button->Picture().Size(), picture->size());
            int mismatches = 0;
            for (int y = 0; y < picture->height(); ++y)
                for (int x = 0; x < picture->width(); ++x)
                    mismatches += button->Picture().IsTransparent(x, y) !=
                                  ((picture->pixel(x, y) & 0xFFFFFF) == 0x008080);
            EXPECT_EQ(mismatches, 0);
        }
    }
}
