// The program's one application object: start-up and exit around the Qt
// application, the command line, the profile (the program's INI file), the
// document templates, the main window, idle-time processing, help and the
// printer. It is the last target of command routing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/CmdTarget.h"
#include "framework/DocManager.h"

class QEvent;
class QObject;
class QPrinter;
class QWidget;
class QnRcStr;

namespace fw {

class CommandLineInfo;
class Document;
class DocTemplate;
class FrameWnd;
class IdlePump;
class QuitRequest;
class ProfileStore;
class RecentFileList;

// Help commands of WinHelp.
enum HelpCommand : uint32_t {
    HELP_CONTEXT = 0x0001,
    HELP_QUIT = 0x0002,
    HELP_INDEX = 0x0003,
    HELP_CONTEXTPOPUP = 0x0008,
    HELP_FINDER = 0x000B,
    HELP_WM_HELP = 0x000C,
    HELP_CONTEXTMENU = 0x000A,
};

// A window's help topic is this base plus its resource id; the main window's
// resource is 128.
inline constexpr uint32_t kHelpBaseResource = 0x20000;
inline constexpr uint32_t kMainFrameResource = 128;
// A menu command's help topic is this base plus the command id.
inline constexpr uint32_t kHelpBaseCommand = 0x10000;

class App : public CmdTarget {
    FW_DECLARE_DYNAMIC(App)

public:
    // appName is the program's name (its INI file and instance channel are
    // named after it).
    explicit App(std::string appName);
    ~App() override;
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // The application object of the process, or null.
    static App* Get();

    const std::string& GetAppName() const { return appName_; }
    // The title of message boxes and windows (string 57344 when the program's
    // table has it, else the name).
    std::string GetAppTitle() const;
    void SetAppTitle(std::string title) { appTitle_ = std::move(title); }

    // The program's string table, for titles, prompts and messages.
    void SetResourceStrings(const QnRcStr* strings) { strings_ = strings; }
    std::string LoadString(int id) const;

    // Start-up and exit. Run is the event loop with idle processing.
    virtual bool InitInstance() { return true; }
    virtual int ExitInstance();
    virtual int Run();
    // Idle work after a burst of events; count grows from 0 while it returns
    // true. Count 0 updates the main frame's menus and bars.
    virtual bool OnIdle(int32_t count);
    // Runs the idle work now, as the event loop would (for tests).
    void ProcessIdle();
    // Brings the shown main window's menus and bars up to the commands' states.
    void UpdateCommandUI();
    // Starts offering events to PreTranslateEvent and idle work from the
    // event loop (RunApp and Run do this).
    void InstallEventHooks();
    // Every event of the program comes here first; true consumes it.
    virtual bool PreTranslateEvent(QObject* receiver, QEvent* event);

    // Command line (without the program itself).
    void SetArguments(std::vector<std::string> args) { args_ = std::move(args); }
    const std::vector<std::string>& GetArguments() const { return args_; }
    void ParseCommandLine(CommandLineInfo& info) const { ParseArguments(args_, info); }
    // The same for another argument list (one a second start handed over).
    static void ParseArguments(const std::vector<std::string>& args, CommandLineInfo& info);
    // Does what the command line asks: a new document, open or print a file.
    virtual bool ProcessShellCommand(CommandLineInfo& info);

    // Profile. Before SetProfile the settings live in memory.
    void SetProfile(std::unique_ptr<ProfileStore> profile);
    // The profile is the INI file at path.
    void SetProfileFile(const std::string& path);
    // The profile is the program's settings file, "<program><extension>" in
    // the user's config folder, first copied from beside the program.
    void UseProgramProfile(const std::string& extension = ".INI");
    ProfileStore& GetProfile();
    int32_t GetProfileInt(const std::string& section, const std::string& key, int32_t defaultValue);
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue = {});
    bool WriteProfileInt(const std::string& section, const std::string& key, int32_t value);
    bool WriteProfileString(const std::string& section, const std::string& key, const std::string& value);
    // The recent-file list of maxRecent entries from the profile; written
    // back by ExitInstance.
    void LoadStdProfileSettings(size_t maxRecent = 4);
    void SaveStdProfileSettings();
    RecentFileList* GetRecentFileList() const { return recentFiles_.get(); }
    virtual void AddToRecentFileList(const std::string& path);

    // Documents.
    DocManager& GetDocManager() { return docManager_; }
    void AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate);
    virtual Document* OpenDocumentFile(const std::string& path);
    bool SaveAllModified() { return docManager_.SaveAllModified(); }
    void CloseAllDocuments(bool endSession) { docManager_.CloseAllDocuments(endSession); }

    // The main window.
    FrameWnd* GetMainWnd() const { return mainWnd_; }
    void SetMainWnd(FrameWnd* frame) { mainWnd_ = frame; }
    QWidget* GetMainWidget() const;
    // The main window was destroyed: the event loop ends.
    virtual void OnMainWindowDestroyed(FrameWnd* frame);

    // Help: context help by id through the help provider. The help file is
    // "<program folder>/<program name>.HLP" unless set.
    virtual void WinHelp(uint32_t data, uint32_t command = HELP_CONTEXT);
    void SetHelpFile(std::string path) { helpFile_ = std::move(path); }
    const std::string& GetHelpFile() const { return helpFile_; }

    // The application's printer (made on first use).
    QPrinter& GetPrinter();

    // Commands of every application (recent files, exit); programs add
    // OnFileNew, OnFileOpen and OnFilePrintSetup to their own maps.
    const MessageMap* GetMessageMap() const override;
    void OnFileNew();
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnAppExit();
    bool OnOpenRecentFile(uint32_t id);
    // "Help Topics": the contents page.
    void OnHelpFinder();
    // Help with no dialog or control to ask about: the main window's topic.
    void OnHelp();
    // The context-help mode: the next click shows the topic of what it hits.
    void OnContextHelp();
    void OnUpdateRecentFileMenu(CmdUI& ui);

private:
    std::string appName_;
    std::string appTitle_;
    const QnRcStr* strings_ = nullptr;
    std::vector<std::string> args_;
    std::unique_ptr<ProfileStore> profile_;
    std::unique_ptr<RecentFileList> recentFiles_;
    DocManager docManager_;
    FrameWnd* mainWnd_ = nullptr;
    std::string helpFile_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<IdlePump> idlePump_;
    std::unique_ptr<QuitRequest> quitRequest_;
};

// Runs app as the program: makes the Qt application when none exists, hands
// the arguments to app, InitInstance, the event loop and ExitInstance.
int RunApp(App& app, int argc, char** argv);

// Help through the running application's WinHelp; with no application, from
// the help provider without a help file.
void ApplicationHelp(uint32_t data, uint32_t command);

}  // namespace fw
