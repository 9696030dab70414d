#include "editor/frame/MainFrm.h"

#include "editor/document/Lodo40Doc.h"
#include "editor/ui/LdBarHost.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "editor/document/DocumentHost.h"
#include "editor/document/EvaluationScope.h"
#include "editor/frame/FrameMenus.h"
#include "editor/ui/LdDialogBar.h"
#include "editor/ui/LdStatusBar.h"
#include "editor/ui/SplashWnd.h"
#include "framework/App.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/EventGuard.h"
#include "framework/MDIChildWnd.h"
#include "pluginhost/Fxgate.h"
#include "pluginhost/qt/PlugInQtMenu.h"

FW_IMPLEMENT_DYNAMIC(CMainFrame, fw::MDIFrameWnd)

namespace {
constexpr uint32_t IDR_MAINFRAME = 150;
constexpr uint32_t IDR_PICTURE = 151;
}  // namespace

CMainFrame::CMainFrame(const CLdRegistry& registry, CLdBarHost& host) : manager_(registry, host), paletteHost_(host)
{
    setAcceptDrops(true);
    LdEvaluationScope::SetEndHook([this] {
        if (!deferred_.empty() && !deferredPosted_) {
            deferredPosted_ = true;
            QTimer::singleShot(0, this, [this] { RunDeferred(); });
        }
    });
}

CMainFrame::~CMainFrame()
{
    LdEvaluationScope::SetEndHook({});
    if (pluginMenu_)
        PIDettachPluginMenu();
}

bool CMainFrame::OnCreate(bool showPalette)
{
    statusBar_ = new CLdStatusBar(this);
    if (!statusBar_->Create(this))
        return false;
    SetStatusBar(statusBar_);
    if (!manager_.SetInterface(this))
        return false;
    UpdateMenus();
    if (showPalette)
        ShowPalette();
    CSplashWnd::ShowSplashScreen(this);
    return true;
}

void CMainFrame::UpdateMenus()
{
    const uint32_t wanted = MDIGetActive() ? IDR_PICTURE : IDR_MAINFRAME;
    if (wanted == menuShown_)
        return;
    menuShown_ = wanted;
    // The old menus go with the bar's refill: the plug-ins' items leave them first.
    if (pluginMenu_) {
        PIDettachPluginMenu();
        pluginMenu_.reset();
    }
    const std::vector<QMenu*> menus = LdFillMenuBar(*this, menuBar(), wanted);
    for (QMenu* menu : menus) {
        WatchMenu(menu);
        connect(menu, &QMenu::aboutToShow, this, [this] { fw::GuardedCall([&] { OnInitMenu(); }); });
    }
    if (wanted == IDR_PICTURE && pluginMenuAttached && int(menus.size()) > kEffectsMenuIndex) {
        // The menu bar was made anew: the plug-ins go into its Effects menu.
        AttachPlugInMenu(menus[size_t(kEffectsMenuIndex)]);
    }
}

void CMainFrame::AttachPlugInMenu(QMenu* effects)
{
    pluginMenu_ = std::make_unique<PlugInQtMenu>(effects, this);
    PIAttachPluginMenu(pluginMenu_.get(), kFirstPlugInCommand);
}

void CMainFrame::OnInitMenu()
{
    if (CLdDialogBar* toolBar = manager_.ToolBar())
        toolBar->Logic().CloseToolPanel();
    if (pluginMenuAttached || !MDIGetActive() || !GetActiveDocument())
        return;
    const QList<QAction*> top = menuBar()->actions();
    if (top.size() <= kEffectsMenuIndex || !top[kEffectsMenuIndex]->menu())
        return;
    AttachPlugInMenu(top[kEffectsMenuIndex]->menu());
    pluginMenuAttached = true;
}

std::string CMainFrame::GetMessageString(uint32_t id) const
{
    // Every plug-in item shows the one prompt of plug-in commands.
    if (id >= kFirstPlugInCommand && id <= kLastPlugInCommand)
        id = kFirstPlugInCommand;
    return fw::MDIFrameWnd::GetMessageString(id);
}

void CMainFrame::OnUpdateFrameTitle(bool addToTitle)
{
    fw::MDIFrameWnd::OnUpdateFrameTitle(addToTitle);
    // The document menu comes and goes with the picture windows.
    QTimer::singleShot(0, this, [this] { fw::GuardedCall([&] { UpdateMenus(); }); });
}

void CMainFrame::Defer(std::function<void()> work)
{
    deferred_.push_back(std::move(work));
    if (!LdEvaluationScope::Running() && !deferredPosted_) {
        deferredPosted_ = true;
        QTimer::singleShot(0, this, [this] { RunDeferred(); });
    }
}

void CMainFrame::RunDeferred()
{
    deferredPosted_ = false;
    while (!deferred_.empty() && !LdEvaluationScope::Running()) {
        std::function<void()> work = std::move(deferred_.front());
        deferred_.pop_front();
        fw::GuardedCall(work);
    }
}

void CMainFrame::OnDropFiles(const std::vector<std::string>& paths)
{
    if (LdEvaluationScope::Running()) {
        Defer([this, paths] { OnDropFiles(paths); });
        return;
    }
    raise();
    activateWindow();
    fw::MDIFrameWnd::OnDropFiles(paths);
}

bool CMainFrame::OnCopyData(uint32_t kind, const std::string& data)
{
    if (kind != kCopyDataKind || data.size() != kCopyDataBytes)
        return false;
    const std::string path = data.substr(0, data.find('\0'));
    if (!path.empty())
        OnDropFiles({path});
    return false;
}

void CMainFrame::OnScannedPicture(const std::string& path)
{
    CLdDocumentHost& host = LdDocumentHost();
    // The next new document is made from the scanned file, labelled as the
    // Acquire command; the request ends with this call, also by an exception.
    struct Reset {
        NewDocumentRequest& request;
        ~Reset()
        {
            request.mode = NewDocumentRequest::Dialog;
            request.path.clear();
        }
    } reset{host.NewRequest()};
    host.NewRequest() = NewDocumentRequest{NewDocumentRequest::File, path, {}, host.MenuCommandText(ID_FILE_ACQUIRE)};
    SendCommand(fw::ID_FILE_NEW);
    if (scanAndPrintPending) {
        scanAndPrintPending = false;
        SendCommand(ID_FILE_PAGE_SETUP);
        SendCommand(ID_FILE_PRINT_DIRECT);
    }
}

bool CMainFrame::OnCmdMsg(uint32_t id, fw::CmdCode code, fw::CmdUI* ui)
{
    if (code == fw::CmdCode::Command && LdEvaluationScope::Running()) {
        Defer([this, id] { SendCommand(id); });
        return true;
    }
    if (CLdDialogBar* bar = manager_.TaskBar(); bar && bar->OnCmdMsg(id, code, ui))
        return true;
    if (CLdDialogBar* bar = manager_.ToolBar(); bar && bar->OnCmdMsg(id, code, ui))
        return true;
    if (manager_.OnCmdMsg(id, code, ui))
        return true;
    return fw::MDIFrameWnd::OnCmdMsg(id, code, ui);
}

void CMainFrame::OnOpenFromAlbum()
{
    const std::string program = QCoreApplication::applicationDirPath().toStdString() + "/OVALBUM";
    const std::vector<std::string> args{"/HW" + std::to_string(QCoreApplication::applicationPid())};
    if (startProgram)
        startProgram(program, args);
}

void CMainFrame::OnConfigureConverters()
{
    if (configureConverters)
        configureConverters();
}

void CMainFrame::OnPlugInFolders()
{
    if (openPlugInFolders)
        openPlugInFolders();
    else
        PIOpenPluginDialog(this);
}

void CMainFrame::OnScanAndPrint()
{
    scanAndPrintPending = true;
    SendCommand(ID_FILE_ACQUIRE);
}

CLodo40Doc* CMainFrame::PaletteHost::ActiveDocument() { return dynamic_cast<CLodo40Doc*>(host_.ActiveDocument()); }
uint32_t CMainFrame::PaletteHost::Background() { return host_.Background(); }
uint32_t CMainFrame::PaletteHost::Foreground() { return host_.Foreground(); }

void CMainFrame::ShowPalette()
{
    if (palette_)
        return;
    auto* palette = new CLdPalette(paletteHost_, LdPaletteLayoutPath());
    palette->onGeometry = [this](const QRect& r) {
        paletteGeometry = r;
        if (onPaletteGeometry)
            onPaletteGeometry(r);
    };
    palette->onClosed = [this] {
        if (onPaletteShown)
            onPaletteShown(false);
    };
    const QRect at = paletteGeometry.isValid() ? paletteGeometry : QRect(geometry().right() - 320, geometry().top() + 80, 300, 400);
    palette->Create("Palette", at, this);
    palette_ = palette;
    // Shown without taking the activation from the picture windows (the
    // active picture is what the palette applies its tools to).
    palette->setAttribute(Qt::WA_ShowWithoutActivating);
    palette->show();
}

void CMainFrame::OnViewToolPalette()
{
    if (palette_) {
        palette_->OnClose();
        return;
    }
    ShowPalette();
    if (onPaletteShown)
        onPaletteShown(true);
}

void CMainFrame::OnUpdateViewToolPalette(fw::CmdUI& ui)
{
    ui.Enable(true);
    ui.SetCheck(palette_ ? 1 : 0);
}

const fw::MessageMap* CMainFrame::GetMessageMap() const
{
    static const fw::MessageMap map =
        fw::MessageMap(fw::MDIFrameWnd::GetMessageMap())
            .OnCommand(ID_OPTIONS_CONVERTERS, &CMainFrame::OnConfigureConverters)
            .OnCommand(ID_FILE_OPEN_ALBUM, &CMainFrame::OnOpenFromAlbum)
            .OnCommand(ID_VIEW_TOOL_PALETTE, &CMainFrame::OnViewToolPalette)
            .OnUpdate(ID_VIEW_TOOL_PALETTE, &CMainFrame::OnUpdateViewToolPalette)
            .OnCommand(ID_OPTIONS_PLUGIN_FOLDERS, &CMainFrame::OnPlugInFolders)
            .OnCommand(ID_FILE_SCAN_AND_PRINT, &CMainFrame::OnScanAndPrint);
    return &map;
}
