#include "album/app/OvalbumApp.h"

#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>

#include "album/app/AboutDlg.h"
#include "album/app/AlbumDialogQuestions.h"
#include "album/app/AlbumIds.h"
#include "album/app/EditorProcess.h"
#include "album/app/MainFrm.h"
#include "album/app/OvalbumView.h"
#include "album/app/ProgramLauncher.h"
#include "album/app/SaneAlbumScanner.h"
#include "album/app/ScanOptionsDlg.h"
#include "album/doc/AlbumRcStr.h"
#include "album/doc/OvalbumDoc.h"
#include "framework/CommandIds.h"
#include "framework/CommandLineInfo.h"
#include "framework/DocTemplate.h"
#include "framework/EventGuard.h"
#include "framework/FrameWnd.h"
#include "framework/MessageBox.h"
#include "platform/ProgramLocation.h"
#include "platform/SettingsLocation.h"

COvalbumApp::COvalbumApp()
    : fw::App(kProgramName),
      programFolder_(platform::ProgramLocation::ProgramFolder()),
      launcher_(std::make_unique<DetachedLauncher>()),
      scanner_(std::make_unique<SaneAlbumScanner>())
{
    SetResourceStrings(&OvAlbumRcStr());
}

COvalbumApp::~COvalbumApp() = default;

COvalbumApp* COvalbumApp::Get()
{
    return dynamic_cast<COvalbumApp*>(fw::App::Get());
}

void COvalbumApp::SetLauncher(std::unique_ptr<ProgramLauncher> launcher)
{
    launcher_ = launcher ? std::move(launcher) : std::make_unique<DetachedLauncher>();
}

void COvalbumApp::SetScanner(std::unique_ptr<AlbumScanner> scanner)
{
    scanner_ = scanner ? std::move(scanner) : std::make_unique<SaneAlbumScanner>();
}

bool COvalbumApp::InitInstance()
{
    editor_ = std::make_unique<EditorHandOver>(*launcher_, programFolder_ + EditorHandOver::kEditorProgram);

    // The settings file: "OVALBUM.INI" in the user's config folder, first
    // copied from beside the program.
    settingsFileName_ = platform::SettingsLocation::SettingsFile(std::string(kProgramName) + ".INI", kProgramName,
                                                                 programFolder_);
    SetProfileFile(settingsFileName_);
    LoadStdProfileSettings(kRecentFiles);
    scan.Read(GetProfile());
    settingsRead_ = true;

    AddDocTemplate(std::make_unique<fw::SingleDocTemplate>(LoadString(IDS_ALBUM_TEMPLATE),
                                                           FW_RUNTIME_CLASS(COvalbumDoc),
                                                           FW_RUNTIME_CLASS(CMainFrame),
                                                           FW_RUNTIME_CLASS(COvalbumView)));

    fw::CommandLineInfo info;
    ParseCommandLine(info);
    if (!ProcessShellCommand(info))
        return false;

    scanner_->Init(GetMainWidget());
    scannerStarted_ = true;
    editor_->SetEditor(FindEditorProcess(GetArguments()));
    return true;
}

int COvalbumApp::Run()
{
    return fw::App::Run();
}

int COvalbumApp::ExitInstance()
{
    // A start that ended before reading its settings has nothing to write
    // back.
    if (!settingsRead_)
        return 0;
    settingsRead_ = false;
    scan.Write(GetProfile());
    if (scannerStarted_)
        scanner_->Shutdown();
    scannerStarted_ = false;
    return fw::App::ExitInstance();
}

bool COvalbumApp::OnIdle(int32_t count)
{
    if (fw::App::OnIdle(count) || count < kIdleRoundsBeforeFileCheck)
        return true;
    for (const auto& docTemplate : GetDocManager().GetTemplates())
        for (fw::Document* doc : docTemplate->GetDocuments())
            if (auto* album = dynamic_cast<COvalbumDoc*>(doc))
                CheckAlbumFiles(*album);
    return false;
}

void COvalbumApp::CheckAlbumFiles(COvalbumDoc& doc)
{
    // The questions run modal loops whose idle time must not start another
    // pass over the same album.
    if (checkingFiles_)
        return;
    checkingFiles_ = true;
    AlbumDialogQuestions questions(GetMainWidget());
    fw::GuardedCall([&] { ::CheckAlbumFiles(doc, questions); });
    checkingFiles_ = false;
}

bool COvalbumApp::PreTranslateEvent(QObject* receiver, QEvent* event)
{
    return scanner_->PreTranslate(receiver, event, GetMainWidget()) || fw::App::PreTranslateEvent(receiver, event);
}

const fw::MessageMap* COvalbumApp::GetMessageMap() const
{
    static const fw::MessageMap map = fw::MessageMap(fw::App::GetMessageMap())
                                          .OnCommand(fw::ID_FILE_NEW, &COvalbumApp::OnFileNew)
                                          .OnCommand(fw::ID_FILE_OPEN, &COvalbumApp::OnFileOpen)
                                          .OnCommand(fw::ID_APP_ABOUT, &COvalbumApp::OnAppAbout)
                                          .OnCommand(ID_OPTIONS_TMPFOLDER, &COvalbumApp::OnScanFolderOptions)
                                          .OnCommand(ID_WEB_SITE, &COvalbumApp::OnWebSite);
    return &map;
}

std::string COvalbumApp::ScanBaseFolder() const
{
    const fw::FrameWnd* frame = GetMainWnd();
    const fw::Document* doc = frame ? frame->GetActiveDocument() : nullptr;
    if (const auto* album = dynamic_cast<const COvalbumDoc*>(doc); album && !album->GetCurrentPath().empty())
        return QFileInfo(QString::fromStdString(album->GetCurrentPath())).absolutePath().toStdString() + "/";
    return programFolder_;
}

bool COvalbumApp::RunScanFolderOptions()
{
    CScanOptionsDlg dialog(ScanBaseFolder(), GetMainWidget());
    dialog.folder = scan.InitialFolder(AlbumScanSettings::UserPicturesFolder(), programFolder_);
    dialog.format = scan.format;
    if (dialog.DoModal() != fw::IDOK)
        return false;
    scan.TakeChoice(dialog.folder, dialog.format);
    return true;
}

void COvalbumApp::OnAppAbout()
{
    CAboutDlg dialog(GetMainWidget());
    dialog.DoModal();
}

void COvalbumApp::OnWebSite()
{
    // The desktop's opener of web pages stands for the program the shell
    // associates with HTML files.
    const QString opener = QStandardPaths::findExecutable("xdg-open");
    if (opener.isEmpty()) {
        fw::MessageBox(LoadString(IDS_NO_BROWSER), fw::MB_OK | fw::MB_ICONSTOP);
        return;
    }
    launcher_->Start(opener.toStdString(), {kWebAddress});
}
