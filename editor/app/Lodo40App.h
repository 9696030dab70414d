// The editor's one application object: at start it hands its files to an
// editor that already runs (and ends), or reads its settings, makes the
// main frame, opens the files of its command line, starts the plug-in host,
// loads the task and tool modules and shows the first stage. It owns the
// settings the whole editor shares (colours, brush, undo depth, view mode,
// interface switches), the tools' parameter records and the request that
// fills the next new document, and writes the settings back at exit.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/app/AppSettings.h"
#include "editor/document/DocumentHost.h"
#include "editor/loadable/SelectParams.h"
#include "editor/view/LdPainter.h"
#include "editor/view/LdSelector.h"
#include "editor/view/LdWriter.h"
#include "editor/loadable/ToolParams.h"
#include "editor/ui/LdBarHost.h"
#include "editor/view/ViewTool.h"
#include "framework/App.h"

class CLdRegistry;
class CLodo40Doc;
class CLodo40View;
class CMainFrame;
class QnScanner;

namespace fw {
class InstanceChannel;
}

class CLodo40App : public fw::App, public CLdBarHost, public CLdDocumentHost, public CLdViewHost {
    FW_DECLARE_DYNAMIC(CLodo40App)

public:
    static constexpr const char* kProgramName = "Telvy12";
    static constexpr uint32_t ID_FILE_ACQUIRE = 33000;
    static constexpr uint32_t ID_FILE_SELECT_SOURCE = 33001;
    static constexpr uint32_t ID_OPTIONS_SOUND = 32850;
    static constexpr uint32_t ID_OPTIONS_ANIMATION = 32860;
    static constexpr uint32_t ID_EDIT_PASTE_AS_NEW = 32861;
    static constexpr uint32_t ID_OPTIONS_UNDO_DEPTH = 32865;
    static constexpr uint32_t IDS_APP_TITLE = 131;
    static constexpr uint32_t IDS_PLUGIN_INIT_FAILED = 63086;

    CLodo40App();
    ~CLodo40App() override;
    static CLodo40App* Get();

    bool InitInstance() override;
    int ExitInstance() override;
    bool PreTranslateEvent(QObject* receiver, QEvent* event) override;
    // Idle work: after the frame's own, the full pixels of pictures opened
    // shrunk, one picture a round.
    bool OnIdle(int32_t count) override;
    void WinHelp(uint32_t data, uint32_t command) override;
    fw::Document* OpenDocumentFile(const std::string& path) override;

    // The view mode: 0 none, 1 text, 2 paint, 3 clone, 4 select, 5 fill.
    void SetMode(int mode) override;
    int GetMode() const { return viewMode_; }

    // This start handed its files to a running editor and ends.
    bool HandedOver() const { return handedOver_; }
    CMainFrame* MainFrame() const;
    CLodo40Doc* ActiveLodoDocument() const;
    const CLdRegistry& Registry() const { return *registry_; }
    LdAppSettings& Settings() { return settings_; }
    const std::string& ProfilePath() const { return profilePath_; }
    // Opens path as a document, now or once a running evaluation ends.
    void OpenFile(const std::string& path);
    // The main-menu text of a command, as history steps are labelled.
    std::string GetMenuCommandText(uint32_t id) const;

    // Commands.
    void OnFileOpen();
    void OnAppAbout();
    void OnOptionsSound();
    void OnOptionsAnimation();
    void OnUpdateOptionsSound(fw::CmdUI& ui);
    void OnUpdateOptionsAnimation(fw::CmdUI& ui);
    void OnPasteAsNewImage();
    void OnUpdatePasteAsNewImage(fw::CmdUI& ui);
    void OnOptionsUndoDepth();
    void OnAcquire();
    void OnSelectSource();
    void OnUpdateAcquire(fw::CmdUI& ui);
    const fw::MessageMap* GetMessageMap() const override;

    // CLdBarHost
    std::unique_ptr<CLdLoadable> CreateLoadable(const std::string& name) override;
    void ResetToStart(CLdBarLogic* bar) override;
    bool AnimationOn() override { return settings_.animation != 0; }
    fw::ColorRef Foreground() override { return settings_.foreground; }
    fw::ColorRef Background() override { return settings_.background; }
    void SetForeground(fw::ColorRef colour) override;
    void SetBackground(fw::ColorRef colour) override;
    fw::Object* TextParams() override { return &textParams_; }
    fw::Object* BrushParams() override { return &brushParams_; }
    fw::Object* FillParams() override { return &fillParams_; }
    CSelectParams& SelectParams() override { return selectParams_; }
    void SetTextColour(fw::ColorRef colour) override;
    void SetBrushColour(fw::ColorRef colour) override { brushParams_.color = colour; }
    void SetFillColours(fw::ColorRef fore, fw::ColorRef back) override;
    CLdBarDocument* ActiveDocument() override;
    void InvalidateActiveView() override;
    void CommitText(CLdBarDocument& document) override;
    void AttachSelector(const QnRgn& selection) override { selector_.SetSelection(selection); }
    QnRgn SelectorSelection() override { return selector_.GetSelection(); }
    void SetSelectorSelection(const QnRgn& selection) override { selector_.SetSelection(selection); }
    bool AcquireUnavailable() override;
    void SendCommand(uint32_t id) override;

    // CLdDocumentHost
    int32_t UndoDepth() override { return settings_.undoDepth; }
    NewDocumentRequest& NewRequest() override { return newRequest_; }
    std::string MenuCommandText(uint32_t id) override { return GetMenuCommandText(id); }
    void SwitchTask(const std::string& name) override;
    std::optional<std::string> SelectFileToWrite(int type, const std::string& proposed) override;
    QWidget* MainWidget() override { return GetMainWidget(); }
    std::string WriteClipboardDibToTempFile() override;

    // CLdViewHost
    int ViewMode() override { return viewMode_; }
    CLdViewTool* CurrentTool() override;
    void LockOutline(bool lock) override { selector_.LockOutline(lock); }
    void ViewActivated(CLodo40View* view) override;

private:
    // A start with files while an editor runs: the files go to it. True
    // when it took them (this process then ends).
    bool HandOverToRunningEditor();
    void ListenForHandOvers();
    void OnHandedCommandLine(const std::vector<std::string>& args);

    std::string programFolder_;
    std::string profilePath_;
    LdAppSettings settings_;
    std::unique_ptr<CLdRegistry> registry_;
    std::unique_ptr<fw::InstanceChannel> channel_;
    std::unique_ptr<QnScanner> scanner_;
    CTextParams textParams_;
    CBrushParams brushParams_;
    CFillParams fillParams_;
    CSelectParams selectParams_;
    CLdSelector selector_{selectParams_};
    CLdPainter painter_{brushParams_};
    CLdClone clone_{brushParams_};
    CLdFillTool fillTool_{fillParams_};
    CLdWriter writer_{textParams_};
    NewDocumentRequest newRequest_;
    int viewMode_ = 0;
    bool settingsRead_ = false;
    bool handedOver_ = false;
};
