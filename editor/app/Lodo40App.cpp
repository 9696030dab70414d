#include "editor/app/Lodo40App.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "editor/app/ClipboardDib.h"
#include "editor/app/CommandLine.h"
#include "editor/app/HandOver.h"
#include "editor/app/SaveOptionsDlg.h"
#include "editor/app/ScannedPicture.h"
#include "editor/app/TestHooks.h"
#include "editor/document/DocErrors.h"
#include "editor/document/EvaluationScope.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/frame/ChildFrm.h"
#include "editor/frame/FrameMenus.h"
#include "editor/frame/MainFrm.h"
#include "editor/loadable/LdLoadable.h"
#include "editor/registry/LdRegistry.h"
#include "editor/ui/AboutDlg.h"
#include "editor/ui/FastUndoRedoDepth.h"
#include "editor/ui/ProgramEnvironment.h"
#include "editor/ui/SplashWnd.h"
#include "editor/view/Lodo40View.h"
#include "framework/Clipboard.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/FileDialog.h"
#include "framework/InstanceChannel.h"
#include "framework/MessageBox.h"
#include "gc/QnObj.h"
#include "pluginhost/Fxgate.h"
#include "pluginhost/qt/PlugInQtUi.h"
#include "platform/OwnResources.h"
#include "platform/ProgramLocation.h"
#include "platform/SettingsLocation.h"
#include "scanner/QnScanner.h"

FW_IMPLEMENT_DYNAMIC(CLodo40App, fw::App)

namespace {

constexpr size_t kRecentFiles = 4;
constexpr const char* kDocumentStrings =
    "\nPicture\nPicture\nBitmap (*.bmp)\n.BMP\nOvTelvy1.2.Document\nOrvane Telvy 1.2 Document";

}  // namespace

CLodo40App::CLodo40App()
    : fw::App(kProgramName), programFolder_(platform::ProgramLocation::ProgramFolder()),
      registry_(std::make_unique<CLdRegistry>()), scanner_(std::make_unique<QnScanner>())
{
    SetAppTitle("Orvane Telvy 1.2");
    LdSetDocumentHost(this);
    LdSetViewHost(this);
    LdInstallSaveOptionsAsker([this] { return GetMainWidget(); });
}

CLodo40App::~CLodo40App()
{
    imexp::SetSaveOptionsAsker(nullptr);
    LdSetViewHost(nullptr);
    LdSetDocumentHost(nullptr);
}

CLodo40App* CLodo40App::Get()
{
    return dynamic_cast<CLodo40App*>(fw::App::Get());
}

CMainFrame* CLodo40App::MainFrame() const
{
    return dynamic_cast<CMainFrame*>(GetMainWnd());
}

fw::Document* CLodo40App::OpenDocumentFile(const std::string& path)
{
    fw::Document* doc = fw::App::OpenDocumentFile(path);
    if (doc)
        LdTestReport("open " + doc->GetPathName());
    return doc;
}

CLodo40Doc* CLodo40App::ActiveLodoDocument() const
{
    CMainFrame* frame = MainFrame();
    return frame ? dynamic_cast<CLodo40Doc*>(frame->GetActiveDocument()) : nullptr;
}

bool CLodo40App::InitInstance()
{
    if (!GetArguments().empty() && HandOverToRunningEditor()) {
        handedOver_ = true;
        return false;
    }

    LdSetProgramResources(platform::OwnResources());
    LdSetSoundSwitch([this] { return settings_.sound != 0; });
    // Icon 130 (a PNG) is every window's icon.
    if (const auto icon = LdProgramResources().Find(platform::ResourceName("ICON"), 130))
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(
            QImage::fromData(reinterpret_cast<const uchar*>(icon->data()), int(icon->size())))));
    {
        CMyCommandLineInfo plain;
        LdParseCommandLine(GetArguments(), plain);
        CSplashWnd::EnableSplashScreen(plain.showSplash);
    }

    profilePath_ = platform::SettingsLocation::SettingsFile(std::string(kProgramName) + ".INI", kProgramName,
                                                           programFolder_);
    SetProfileFile(profilePath_);
    LoadStdProfileSettings(kRecentFiles);
    settings_.LoadColors(GetProfile());
    settings_.LoadInterface(GetProfile());
    settingsRead_ = true;

    AddDocTemplate(std::make_unique<fw::MultiDocTemplate>(kDocumentStrings, FW_RUNTIME_CLASS(CLodo40Doc),
                                                          FW_RUNTIME_CLASS(CChildFrame),
                                                          FW_RUNTIME_CLASS(CLodo40View)));

    auto* frame = new CMainFrame(*registry_, *this);
    frame->setWindowTitle(QString::fromStdString(GetAppTitle()));
    frame->resize(1024, 768);
    SetMainWnd(frame);
    if (settings_.paletteW > 0 && settings_.paletteH > 0)
        frame->paletteGeometry = QRect(settings_.paletteX, settings_.paletteY, settings_.paletteW, settings_.paletteH);
    frame->onPaletteGeometry = [this](const QRect& r) {
        settings_.paletteX = r.x();
        settings_.paletteY = r.y();
        settings_.paletteW = r.width();
        settings_.paletteH = r.height();
    };
    frame->onPaletteShown = [this](bool shown) { settings_.palette = shown ? 1 : 0; };
    if (!frame->OnCreate(settings_.palette != 0))
        return false;
    frame->startProgram = [](const std::string& program, const std::vector<std::string>& args) {
        return LdStartDetached(program, args);
    };
    ListenForHandOvers();
    // Shown before the files open, so that each opens fitted to the room the
    // window really has.
    frame->showMaximized();
    QCoreApplication::processEvents();

    CMyCommandLineInfo info;
    LdParseCommandLine(GetArguments(), info);
    if (info.shellCommand == fw::CommandLineInfo::FileNew) {
        // No file named: the editor starts without a document.
    } else if (info.files.empty()) {
        if (!ProcessShellCommand(info))
            return false;
    } else {
        for (const std::string& file : info.files) {
            info.fileName = file;
            ProcessShellCommand(info);
        }
    }

    // The plug-in host: its catalogue file beside the settings.
    static PlugInQtUi plugInUi;
    PISetPluginUi(&plugInUi);
    const std::string catalogue =
        platform::SettingsLocation::SettingsFile(std::string(kProgramName) + ".DAT", kProgramName, programFolder_);
    const std::string plugInFolder = LdPlugInFolder(GetProfile(), programFolder_);
    const PIInitPaths paths{catalogue.c_str(), plugInFolder.c_str()};
    if (PIInitPluginSupport(&paths) == 0) {
        fw::MessageBox("Can't initialize plug-in support DLL", fw::MB_OK | fw::MB_ICONSTOP);
        return false;
    }

    registry_->LoadTaskNames(GetProfile());
    registry_->LoadTaskLibraries(GetProfile());
    registry_->LoadToolLibraries(GetProfile());
    LdLoadBrushParams(GetProfile(), brushParams_);
    fillParams_.kind = settings_.fill;
    ResetToStart(nullptr);
    LdArmTestSnapshot(*this);
    LdTestReport("ready " + std::to_string(QCoreApplication::applicationPid()));
    return true;
}

int CLodo40App::ExitInstance()
{
    LdTestReport("exit");
    if (!settingsRead_)
        return 0;
    settingsRead_ = false;
    // The scanner support closes (SANE stops when it was started).
    scanner_ = std::make_unique<QnScanner>();
    settings_.SaveColors(GetProfile());
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    LdSaveBrushParams(GetProfile(), brushParams_);
    settings_.fill = fillParams_.kind;
    settings_.SaveInterface(GetProfile());
    PITermPluginSupport();
    return fw::App::ExitInstance();
}

bool CLodo40App::OnIdle(int32_t count)
{
    const bool more = fw::App::OnIdle(count);
    if (count == 0)
        return more;
    // Reached only once every paint is done: the picture is on the screen.
    for (CLodo40Doc* doc : LdDocumentHost().OpenPictures())
        if (doc->PixelsWaiting()) {
            doc->DecodeWaitingPixels();
            return true;
        }
    return more;
}

bool CLodo40App::PreTranslateEvent(QObject* receiver, QEvent* event)
{
    if (CSplashWnd::PreTranslateAppMessage(receiver, event))
        return true;
    return fw::App::PreTranslateEvent(receiver, event);
}

void CLodo40App::WinHelp(uint32_t data, uint32_t command)
{
    fw::App::WinHelp(data, command);
}

// Hand-overs ------------------------------------------------------------------

bool CLodo40App::HandOverToRunningEditor()
{
    const std::vector<int64_t> running = fw::InstanceChannel::FindRunning(kProgramName);
    if (running.empty())
        return false;
    return LdHandFilesOver(running.back(), GetArguments());
}

void CLodo40App::ListenForHandOvers()
{
    channel_ = std::make_unique<fw::InstanceChannel>(kProgramName);
    channel_->onCommandLine = [this](const std::vector<std::string>& args) { OnHandedCommandLine(args); };
    channel_->onDropFiles = [this](const std::vector<std::string>& paths) {
        if (CMainFrame* frame = MainFrame())
            frame->OnDropFiles(paths);
    };
    channel_->onCopyData = [this](uint32_t kind, const std::string& data) {
        if (CMainFrame* frame = MainFrame())
            frame->OnCopyData(kind, data);
    };
    channel_->Listen();
}

void CLodo40App::OnHandedCommandLine(const std::vector<std::string>& args)
{
    CMyCommandLineInfo info;
    LdParseCommandLine(args, info);
    if (CMainFrame* frame = MainFrame())
        frame->OnDropFiles(info.files);
}

void CLodo40App::OpenFile(const std::string& path)
{
    if (CMainFrame* frame = MainFrame())
        frame->OnDropFiles({path});
    else
        OpenDocumentFile(path);
}

// Modes and tools ---------------------------------------------------------------

void CLodo40App::SetMode(int mode)
{
    if (mode == viewMode_)
        return;
    if (viewMode_ == 1)
        textParams_.text.clear();
    // Coming back to the clone brush needs a new Shift-click.
    if (viewMode_ == 3)
        clone_.ClearReference();
    // The text shows over the view in the text mode only.
    const bool text = viewMode_ == 1 || mode == 1;
    viewMode_ = mode;
    if (text)
        InvalidateActiveView();
}

CLdViewTool* CLodo40App::CurrentTool()
{
    switch (viewMode_) {
    case 1: return &writer_;
    case 2: return &painter_;
    case 3: return &clone_;
    case 4: return &selector_;
    case 5: return &fillTool_;
    default: return nullptr;
    }
}

std::unique_ptr<CLdLoadable> CLodo40App::CreateLoadable(const std::string& name)
{
    return registry_->CreateLoadable(name);
}

void CLodo40App::ResetToStart(CLdBarLogic* bar)
{
    CMainFrame* frame = MainFrame();
    if (!frame)
        return;
    frame->Manager().Router().ShowTask(bar, "", registry_->TaskNames(), 0);
    frame->Manager().SwitchTask("Start");
}

void CLodo40App::SetForeground(fw::ColorRef colour)
{
    settings_.foreground = colour;
    textParams_.ints[5] = int32_t(colour);
    brushParams_.color = colour;
    fillParams_.color1 = colour;
}

std::string CLodo40App::WriteClipboardDibToTempFile()
{
    return ::WriteClipboardDibToTempFile();
}

void CLodo40App::SetBackground(fw::ColorRef colour)
{
    settings_.background = colour;
    fillParams_.color2 = colour;
}

void CLodo40App::SetTextColour(fw::ColorRef colour)
{
    textParams_.ints[5] = int32_t(colour);
}

void CLodo40App::SetFillColours(fw::ColorRef fore, fw::ColorRef back)
{
    fillParams_.color1 = fore;
    fillParams_.color2 = back;
}

CLdBarDocument* CLodo40App::ActiveDocument()
{
    return ActiveLodoDocument();
}

void CLodo40App::InvalidateActiveView()
{
    if (CMainFrame* frame = MainFrame())
        if (auto* view = dynamic_cast<CLodo40View*>(frame->GetActiveView()))
            view->viewport()->update();
}

void CLodo40App::CommitText(CLdBarDocument& document)
{
    if (auto* doc = dynamic_cast<CLodo40Doc*>(&document))
        writer_.Commit(*doc);
    textParams_.text.clear();
}

void CLodo40App::SendCommand(uint32_t id)
{
    if (CMainFrame* frame = MainFrame())
        frame->SendCommand(id);
}

void CLodo40App::SwitchTask(const std::string& name)
{
    if (CMainFrame* frame = MainFrame())
        frame->Manager().SwitchTask(name);
}

void CLodo40App::ViewActivated(CLodo40View* view)
{
    selector_.Attach(view);
}

std::optional<std::string> CLodo40App::SelectFileToWrite(int, const std::string& proposed)
{
    fw::FileDialogRequest request;
    request.open = false;
    request.title = "Save As";
    request.fileName = proposed;
    request.filters = {"Pictures (*.bmp *.jpg *.jpeg *.png *.tif *.tiff)", "Windows Bitmap (*.bmp)",
                       "JPEG (*.jpg *.jpeg)", "PNG (*.png)", "TIFF (*.tif *.tiff)"};
    request.defaultExtension = ".bmp";
    request.owner = GetMainWidget();
    return fw::RunFileDialog(request);
}

std::string CLodo40App::GetMenuCommandText(uint32_t id) const
{
    return LdMenuCommandText(id);
}

// Commands ---------------------------------------------------------------------

void CLodo40App::OnFileOpen()
{
    fw::FileDialogRequest request;
    request.open = true;
    request.title = "Open";
    request.filters = {"Pictures (*.bmp *.dib *.jpg *.jpeg *.png *.tif *.tiff *.gif)", "All files (*)"};
    request.owner = GetMainWidget();
    if (const auto path = fw::RunFileDialog(request))
        OpenFile(*path);
}

void CLodo40App::OnAppAbout()
{
    CAboutDlg dialog(GetMainWidget());
    dialog.DoModal();
}

void CLodo40App::OnOptionsSound()
{
    settings_.sound = !settings_.sound;
}

void CLodo40App::OnOptionsAnimation()
{
    settings_.animation = !settings_.animation;
}

void CLodo40App::OnUpdateOptionsSound(fw::CmdUI& ui)
{
    ui.SetCheck(settings_.sound ? 1 : 0);
}

void CLodo40App::OnUpdateOptionsAnimation(fw::CmdUI& ui)
{
    ui.SetCheck(settings_.animation ? 1 : 0);
}

void CLodo40App::OnPasteAsNewImage()
{
    LdRunCommand([this] {
        newRequest_ = NewDocumentRequest{NewDocumentRequest::File, WriteClipboardDibToTempFile(), {},
                                         GetMenuCommandText(ID_EDIT_PASTE_AS_NEW)};
        struct Reset {
            NewDocumentRequest& request;
            ~Reset()
            {
                request.mode = NewDocumentRequest::Dialog;
                request.path.clear();
            }
        } reset{newRequest_};
        SendCommand(fw::ID_FILE_NEW);
    });
}

void CLodo40App::OnUpdatePasteAsNewImage(fw::CmdUI& ui)
{
    ui.Enable(fw::Clipboard::HasDib());
}

void CLodo40App::OnOptionsUndoDepth()
{
    CFastUndoRedoDepth dialog(settings_.undoDepth, GetMainWidget());
    if (dialog.DoModal() != fw::IDOK || dialog.depth == settings_.undoDepth)
        return;
    settings_.undoDepth = dialog.depth;
    for (const auto& docTemplate : GetDocManager().GetTemplates())
        for (fw::Document* doc : docTemplate->GetDocuments())
            if (auto* picture = dynamic_cast<CLodo40Doc*>(doc))
                picture->TrimUndoLists();
}

void CLodo40App::OnAcquire()
{
    LdRunCommand([this] {
        const std::string path = LdScanToTempFile(*scanner_, GetMainWidget());
        if (!path.empty() && MainFrame())
            MainFrame()->OnScannedPicture(path);
    });
}

void CLodo40App::OnSelectSource()
{
    scanner_->SelectSource(GetMainWidget());
}

bool CLodo40App::AcquireUnavailable()
{
    return scanner_->IsBusy();
}

void CLodo40App::OnUpdateAcquire(fw::CmdUI& ui)
{
    ui.Enable(!AcquireUnavailable());
}

const fw::MessageMap* CLodo40App::GetMessageMap() const
{
    static const fw::MessageMap map =
        fw::MessageMap(fw::App::GetMessageMap())
            .OnCommand(fw::ID_FILE_NEW, &CLodo40App::OnFileNew)
            .OnCommand(fw::ID_FILE_OPEN, &CLodo40App::OnFileOpen)
            .OnCommand(fw::ID_FILE_PRINT_SETUP, &CLodo40App::OnFilePrintSetup)
            .OnCommand(fw::ID_APP_ABOUT, &CLodo40App::OnAppAbout)
            .OnCommand(ID_FILE_ACQUIRE, &CLodo40App::OnAcquire)
            .OnCommand(ID_FILE_SELECT_SOURCE, &CLodo40App::OnSelectSource)
            .OnUpdate(ID_FILE_ACQUIRE, &CLodo40App::OnUpdateAcquire)
            .OnUpdate(ID_FILE_SELECT_SOURCE, &CLodo40App::OnUpdateAcquire)
            .OnCommand(ID_OPTIONS_SOUND, &CLodo40App::OnOptionsSound)
            .OnUpdate(ID_OPTIONS_SOUND, &CLodo40App::OnUpdateOptionsSound)
            .OnCommand(ID_OPTIONS_ANIMATION, &CLodo40App::OnOptionsAnimation)
            .OnUpdate(ID_OPTIONS_ANIMATION, &CLodo40App::OnUpdateOptionsAnimation)
            .OnCommand(ID_EDIT_PASTE_AS_NEW, &CLodo40App::OnPasteAsNewImage)
            .OnUpdate(ID_EDIT_PASTE_AS_NEW, &CLodo40App::OnUpdatePasteAsNewImage)
            .OnCommand(ID_OPTIONS_UNDO_DEPTH, &CLodo40App::OnOptionsUndoDepth);
    return &map;
}
