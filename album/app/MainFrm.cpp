#include "album/app/MainFrm.h"

#include <QAction>
#include <iterator>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "album/app/AlbumIds.h"
#include "album/app/AlbumScanner.h"
#include "album/app/FrameSizeLimits.h"
#include "album/app/OvalbumApp.h"
#include "drawctx/zvwa/WA.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/ControlId.h"
#include "framework/EventGuard.h"
#include "framework/MessageMap.h"
#include "framework/StatusBar.h"

FW_IMPLEMENT_DYNCREATE(CMainFrame, fw::FrameWnd)

namespace {

// A scanner is there only once the application has one (not in every test).
AlbumScanner* Scanner()
{
    COvalbumApp* app = COvalbumApp::Get();
    return app ? &app->GetScanner() : nullptr;
}

}  // namespace

CMainFrame::CMainFrame()
{
    QMenu* file = menuBar()->addMenu("&File");
    AddCommand(file, fw::ID_FILE_NEW, "&New\tCtrl+N", QKeySequence::New);
    AddCommand(file, fw::ID_FILE_OPEN, "&Open...\tCtrl+O", QKeySequence::Open);
    AddCommand(file, fw::ID_FILE_SAVE, "&Save\tCtrl+S", QKeySequence::Save);
    AddCommand(file, fw::ID_FILE_SAVE_AS, "Save &As...");
    file->addSeparator();
    AddCommand(file, ID_ACQUIRE, "Ac&quire Picture...");
    AddCommand(file, ID_SELECT_SOURCE, "S&elect TWAIN Source...");
    QMenu* transfer = file->addMenu("&Transfer");
    AddCommand(transfer, ID_THRU_MEMORY, "Thru-&memory")->setCheckable(true);
    AddCommand(transfer, ID_NATIVE, "&Native")->setCheckable(true);
    WatchMenu(transfer);
    file->addSeparator();
    AddCommand(file, fw::ID_FILE_MRU_FILE1, "Recent File");
    file->addSeparator();
    AddCommand(file, fw::ID_APP_EXIT, "E&xit");
    QMenu* options = menuBar()->addMenu("&Options");
    AddCommand(options, ID_OPTIONS_TMPFOLDER, "&Temporary Folder...");
    QMenu* help = menuBar()->addMenu("&Help");
    AddCommand(help, fw::ID_APP_ABOUT, "&About Telvy Album...");
    AddCommand(help, ID_WEB_SITE, "Quendle Software Web site");

    // The toolbar's buttons, in groups; 0 is a gap.
    toolBar_ = new QToolBar("Standard", this);
    toolBar_->setObjectName("AlbumToolBar");
    toolBar_->setIconSize(QSize(24, 22));
    const uint32_t buttons[] = {fw::ID_FILE_NEW, fw::ID_FILE_OPEN, fw::ID_FILE_SAVE, 0,
                                ID_ALBUM_CUT, ID_ALBUM_COPY, ID_ALBUM_PASTE, 0,
                                ID_ALBUM_UNDO, 0, ID_ADD_ITEMS, ID_DELETE_ITEM, 0,
                                ID_SEARCH, ID_VIEW_FOUND, 0, fw::ID_APP_ABOUT};
    const char* const texts[] = {"New", "Open", "Save", "", "Cut", "Copy", "Paste", "", "Undo", "",
                                 "Add new items", "Delete", "", "Search", "View only found", "", "About"};
    for (size_t i = 0; i < std::size(buttons); ++i) {
        if (buttons[i] == 0) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = toolBar_->addAction(texts[i]);
        fw::SetControlId(action, buttons[i]);
        action->setToolTip(texts[i]);
        const uint32_t id = buttons[i];
        connect(action, &QAction::triggered, this, [this, id] { fw::GuardedCall([&] { SendCommand(id); }); });
    }
    AddControlBar(toolBar_, ID_TOOLBAR, Qt::TopDockWidgetArea);

    auto* status = new fw::StatusBar(this);
    status->SetIndicators({fw::ID_SEPARATOR});
    SetStatusBar(status);
    // Dragging a border stops at the smallest size the view lays out in.
    setMinimumSize(kAlbumFrameMinWidth, kAlbumFrameMinHeight);
    resize(640, 480);
}

void CMainFrame::SetStatusText(const std::string& text)
{
    SetMessageText(text);
    if (GetStatusBar())
        GetStatusBar()->repaint();
}

const fw::MessageMap* CMainFrame::GetMessageMap() const
{
    static const fw::MessageMap map = fw::MessageMap(fw::FrameWnd::GetMessageMap())
                                          .OnCommand(ID_ACQUIRE, &CMainFrame::OnAcquire)
                                          .OnCommand(ID_SELECT_SOURCE, &CMainFrame::OnSelectSource)
                                          .OnCommand(ID_THRU_MEMORY, &CMainFrame::OnThruMemory)
                                          .OnCommand(ID_NATIVE, &CMainFrame::OnNative)
                                          .OnUpdate(ID_ACQUIRE, &CMainFrame::OnUpdateScannerIdle)
                                          .OnUpdate(ID_SELECT_SOURCE, &CMainFrame::OnUpdateScannerIdle)
                                          .OnUpdate(ID_THRU_MEMORY, &CMainFrame::OnUpdateThruMemory)
                                          .OnUpdate(ID_NATIVE, &CMainFrame::OnUpdateNative);
    return &map;
}

void CMainFrame::OnAcquire()
{
    if (AlbumScanner* scanner = Scanner())
        scanner->Acquire(this, transferMethod == 1);
}

void CMainFrame::OnSelectSource()
{
    if (AlbumScanner* scanner = Scanner())
        scanner->SelectSource(this);
}

void CMainFrame::OnUpdateScannerIdle(fw::CmdUI& ui)
{
    AlbumScanner* scanner = Scanner();
    ui.Enable(scanner && scanner->IsBusy() == 0);
}

void CMainFrame::OnUpdateThruMemory(fw::CmdUI& ui)
{
    AlbumScanner* scanner = Scanner();
    ui.Enable(scanner && scanner->IsBusy() == 0);
    ui.SetCheck(transferMethod == 0 ? 1 : 0);
}

void CMainFrame::OnUpdateNative(fw::CmdUI& ui)
{
    AlbumScanner* scanner = Scanner();
    ui.Enable(scanner && scanner->IsBusy() == 0);
    ui.SetCheck(transferMethod == 1 ? 1 : 0);
}

void CMainFrame::OnScannedPicture(WA* picture)
{
    if (storeScannedPicture)
        storeScannedPicture(picture);
    else
        WARelease(picture);
}
