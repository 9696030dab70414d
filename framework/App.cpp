#include "framework/App.h"

#include <QApplication>
#include <QPrinter>
#include <atomic>

#include "base/QnRcStr.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/CommandLineInfo.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/EventGuard.h"
#include "framework/FrameWnd.h"
#include "framework/ContextHelpMode.h"
#include "framework/HelpProvider.h"
#include "framework/IdlePump.h"
#include "framework/QuitRequest.h"
#include "framework/IniProfile.h"
#include "framework/PrintDialog.h"
#include "framework/ProfileStore.h"
#include "framework/RecentFileList.h"
#include "platform/ProgramLocation.h"
#include "platform/SettingsLocation.h"

namespace fw {

FW_IMPLEMENT_RUNTIMECLASS_NAMED(App, "CWinApp", CmdTarget, RuntimeClass::kNoSchema, nullptr)

namespace {
std::atomic<App*> theApp{nullptr};
}

App::App(std::string appName)
    : appName_(std::move(appName)),
      profile_(std::make_unique<MemoryProfile>()),
      // The help file is named after the program and lies beside it.
      helpFile_(platform::ProgramLocation::ProgramFolder() + appName_ + ".HLP")
{
    theApp = this;
}

App::~App()
{
    idlePump_.reset();
    quitRequest_.reset();
    // Documents and templates go while the application still answers.
    docManager_.CloseAllDocuments(true);
    App* self = this;
    theApp.compare_exchange_strong(self, nullptr);
}

App* App::Get()
{
    return theApp.load();
}

std::string App::GetAppTitle() const
{
    if (!appTitle_.empty())
        return appTitle_;
    const std::string title = LoadString(IDS_APP_TITLE);
    return title.empty() ? appName_ : title;
}

std::string App::LoadString(int id) const
{
    return strings_ && strings_->Has(id) ? (*strings_)(id) : std::string();
}

int App::ExitInstance()
{
    SaveStdProfileSettings();
    return 0;
}

void App::InstallEventHooks()
{
    if (!idlePump_ && QCoreApplication::instance())
        idlePump_ = std::make_unique<IdlePump>(*this);
    if (!quitRequest_ && QCoreApplication::instance())
        quitRequest_ = std::make_unique<QuitRequest>(*this);
}

int App::Run()
{
    InstallEventHooks();
    return QCoreApplication::instance() ? QCoreApplication::exec() : 0;
}

bool App::OnIdle(int32_t count)
{
    if (count == 0) {
        UpdateCommandUI();
        return true;  // one more round for the documents' own idle work
    }
    return false;
}

void App::UpdateCommandUI()
{
    if (mainWnd_ && mainWnd_->isVisible())
        mainWnd_->UpdateCommandUI();
}

void App::ProcessIdle()
{
    InstallEventHooks();
    if (idlePump_)
        idlePump_->RunIdleNow();
}

bool App::PreTranslateEvent(QObject*, QEvent*)
{
    return false;
}

void App::ParseArguments(const std::vector<std::string>& args, CommandLineInfo& info)
{
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool last = i + 1 == args.size();
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            if (last)
                info.ParseParam({}, true, true);
            continue;
        }
        std::string name;
        if (!optionsEnded && CommandLineInfo::IsSwitch(arg, &name))
            info.ParseParam(name, true, last);
        else
            info.ParseParam(arg, false, last);
    }
}

bool App::ProcessShellCommand(CommandLineInfo& info)
{
    switch (info.shellCommand) {
    case CommandLineInfo::FileNew:
        docManager_.OnFileNew();
        return mainWnd_ != nullptr;
    case CommandLineInfo::FileOpen:
        return OpenDocumentFile(info.fileName) != nullptr;
    case CommandLineInfo::FilePrint:
    case CommandLineInfo::FilePrintTo: {
        Document* doc = OpenDocumentFile(info.fileName);
        if (!doc)
            return false;
        if (FrameWnd* frame = mainWnd_ ? mainWnd_->GetActiveFrame() : nullptr)
            frame->SendCommand(ID_FILE_PRINT_DIRECT);
        return false;  // printed: the program ends
    }
    case CommandLineInfo::FileDDE:
    case CommandLineInfo::AppUnregister:
    case CommandLineInfo::FileNothing:
        return info.shellCommand != CommandLineInfo::AppUnregister;
    }
    return false;
}

void App::SetProfile(std::unique_ptr<ProfileStore> profile)
{
    profile_ = profile ? std::move(profile) : std::make_unique<MemoryProfile>();
}

void App::SetProfileFile(const std::string& path)
{
    SetProfile(std::make_unique<IniProfile>(path));
}

void App::UseProgramProfile(const std::string& extension)
{
    SetProfileFile(platform::SettingsLocation::ProgramSettingsFile(extension));
}

ProfileStore& App::GetProfile()
{
    return *profile_;
}

int32_t App::GetProfileInt(const std::string& section, const std::string& key, int32_t defaultValue)
{
    return profile_->GetInt(section, key, defaultValue);
}

std::string App::GetProfileString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue)
{
    return profile_->GetString(section, key, defaultValue);
}

bool App::WriteProfileInt(const std::string& section, const std::string& key, int32_t value)
{
    return profile_->WriteInt(section, key, value);
}

bool App::WriteProfileString(const std::string& section, const std::string& key, const std::string& value)
{
    return profile_->WriteString(section, key, value);
}

void App::LoadStdProfileSettings(size_t maxRecent)
{
    recentFiles_.reset();
    if (maxRecent == 0)
        return;
    recentFiles_ = std::make_unique<RecentFileList>(maxRecent);
    recentFiles_->ReadList(*profile_);
}

void App::SaveStdProfileSettings()
{
    if (recentFiles_)
        recentFiles_->WriteList(*profile_);
}

void App::AddToRecentFileList(const std::string& path)
{
    if (recentFiles_)
        recentFiles_->Add(path);
}

void App::AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate)
{
    docManager_.AddDocTemplate(std::move(docTemplate));
}

Document* App::OpenDocumentFile(const std::string& path)
{
    return docManager_.OpenDocumentFile(path);
}

QWidget* App::GetMainWidget() const
{
    return mainWnd_;
}

void App::OnMainWindowDestroyed(FrameWnd* frame)
{
    if (mainWnd_ == frame)
        mainWnd_ = nullptr;
    if (QCoreApplication::instance())
        QCoreApplication::exit(0);
}

void App::WinHelp(uint32_t data, uint32_t command)
{
    HelpProvider::Instance().Show(helpFile_, data, command);
}

void ApplicationHelp(uint32_t data, uint32_t command)
{
    if (App* app = App::Get())
        app->WinHelp(data, command);
    else
        HelpProvider::Instance().Show({}, data, command);
}

QPrinter& App::GetPrinter()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

const MessageMap* App::GetMessageMap() const
{
    static const MessageMap map = MessageMap(CmdTarget::GetMessageMap())
                                      .OnCommandEx(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST, &App::OnOpenRecentFile)
                                      .OnUpdate(ID_FILE_MRU_FILE1, &App::OnUpdateRecentFileMenu)
                                      .OnCommand(ID_APP_EXIT, &App::OnAppExit)
                                      .OnCommand(ID_HELP_FINDER, &App::OnHelpFinder)
                                      .OnCommand(ID_HELP_INDEX, &App::OnHelpFinder)
                                      .OnCommand(ID_DEFAULT_HELP, &App::OnHelpFinder)
                                      .OnCommand(ID_HELP, &App::OnHelp)
                                      .OnCommand(ID_CONTEXT_HELP, &App::OnContextHelp);
    return &map;
}

void App::OnHelpFinder()
{
    WinHelp(0, HELP_FINDER);
}

void App::OnHelp()
{
    WinHelp(kHelpBaseResource + kMainFrameResource, HELP_CONTEXT);
}

void App::OnContextHelp()
{
    ContextHelpMode::Instance().Enter();
}

void App::OnFileNew()
{
    docManager_.OnFileNew();
}

void App::OnFileOpen()
{
    docManager_.OnFileOpen();
}

void App::OnFilePrintSetup()
{
    RunPrintSetupDialog(GetPrinter(), GetMainWidget());
}

void App::OnAppExit()
{
    if (mainWnd_)
        mainWnd_->close();
    else if (QCoreApplication::instance())
        QCoreApplication::exit(0);
}

bool App::OnOpenRecentFile(uint32_t id)
{
    if (!recentFiles_)
        return false;
    const size_t index = id - ID_FILE_MRU_FILE1;
    if (index >= recentFiles_->GetNames().size())
        return false;
    const std::string path = recentFiles_->GetNames()[index];
    if (!OpenDocumentFile(path))
        recentFiles_->Remove(index);
    return true;
}

void App::OnUpdateRecentFileMenu(CmdUI& ui)
{
    if (!recentFiles_) {
        ui.Enable(false);
        return;
    }
    recentFiles_->UpdateMenu(ui, mainWnd_);
}

int RunApp(App& app, int argc, char** argv)
{
    std::unique_ptr<QApplication> qapp;
    if (!QCoreApplication::instance())
        qapp = std::make_unique<QApplication>(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    app.SetArguments(std::move(args));
    app.InstallEventHooks();
    bool started = false;
    GuardedCall([&] { started = app.InitInstance(); });
    int result = 0;
    if (started)
        result = app.Run();
    GuardedCall([&] { result = app.ExitInstance(); });
    return started ? result : (result ? result : 1);
}

}  // namespace fw
