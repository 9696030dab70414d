// The editor's application object started as the program starts it, on a
// settings file of the shipped one naming the built module, in a folder of
// its own (config, sockets), with the effect modules beside the program,
// SANE's test back end, a recording xdg-email, recording desktop services,
// printing into a file and every dialog, file dialog, print dialog, menu,
// message and program start answered and noted.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QMenu>
#include <QPrinter>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "editor/app/Lodo40App.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/effects/EffectModuleFolder.h"
#include "editor/effects/tests/ProgramEffectModules.h"
#include "editor/frame/MainFrm.h"
#include "editor/helpdlg/LdHelpDlg.h"
#include "editor/loadable/LdLoadable.h"
#include "editor/mail/MailState.h"
#include "editor/mail/tests/RecordingXdgEmail.h"
#include "editor/ui/BarButton.h"
#include "editor/ui/LdBarIds.h"
#include "editor/ui/LdDialogBar.h"
#include "editor/ui/ResizeDlg.h"
#include "editor/ui/RotateFlipBase.h"
#include "framework/Clipboard.h"
#include "framework/DataExchange.h"
#include "framework/DocTemplate.h"
#include "framework/FileDialog.h"
#include "framework/HelpTopics.h"
#include "framework/PrintDialog.h"
#include "platform/tests/TestFolder.h"
#include "scanner/ScanDialogIds.h"
#include "scanner/tests/SaneTestBackend.h"
#include "tasks/module/LdWizardServices.h"
#include "tasks/module/calendar/LdCalendarDialog.h"
#include "tasks/module/tests/WizardFixture.h"

namespace editortest {

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
inline std::string ShippedSettings()
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
        setenv("XDG_RUNTIME_DIR", (folder / "run").c_str(), 1);
        // No sliding bars; no plug-ins but the editor's own effects.
        TestFolder::Write(folder / "config/Telvy12/Telvy12.INI",
                          ShippedSettings() + "\n[INTERFACE]\nAnimation=0\nPalette=0\n[PLUGIN_DIR]\ndir=" +
                              (folder / "plugins") + "\n");
        UseProgramEffectModules(QN_PROGRAM_FOLDER, folder / "config");
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
        // Printing goes to a file, never to a printer of the machine.
        app->GetPrinter().setOutputFormat(QPrinter::PdfFormat);
        app->GetPrinter().setOutputFileName(QString::fromStdString(Printed()));
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
        // The topics of the dialogs with context help, as they open.
        if (dynamic_cast<CLdHelpDlg*>(&dialog) || dynamic_cast<CLdCalendarDialog*>(&dialog)) {
            const std::set<uint32_t> own = fw::HelpTopicsOf(dialog);
            dialogTopics.insert(own.begin(), own.end());
        }
        // Rotate flips, Resize halves the width.
        if (dynamic_cast<RotateFlipBase*>(&dialog))
            qobject_cast<QAbstractButton*>(dialog.GetDlgItem(RotateFlipBase::IDC_FLIP_HORIZONTALLY))->click();
        if (dynamic_cast<ResizeDlg*>(&dialog))
            fw::SetControlText(dialog.GetDlgItem(ResizeDlg::IDC_WIDTH), std::to_string(kWidth / 2));
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

    std::string Printed() const { return folder / "printed.pdf"; }

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
        const std::string path = folder / "picture.bmp";
        EXPECT_TRUE(fw::Clipboard::DibToImage(PatternDib(kWidth, kHeight))->save(QString::fromStdString(path), "BMP"));
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
    std::set<uint32_t> dialogTopics;  // of the dialogs with context help that opened
    std::unique_ptr<CLodo40App> app;
    CMainFrame* frame = nullptr;
};

}  // namespace editortest
