#include "album/app/MainFrm.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <vector>
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
#include "framework/Clipboard.h"
#include "framework/StatusBar.h"
#include "platform/OwnResources.h"

FW_IMPLEMENT_DYNCREATE(CMainFrame, fw::FrameWnd)

namespace {

// A scanner is there only once the application has one (not in every test).
AlbumScanner* Scanner()
{
    COvalbumApp* app = COvalbumApp::Get();
    return app ? &app->GetScanner() : nullptr;
}

constexpr int kToolButtonWidth = 24;
constexpr int kToolButtonHeight = 22;
constexpr QRgb kToolBarClear = 0xFFC0C0C0;  // RGB(192, 192, 192) shows the bar through

// The buttons' pictures, cut from the strip in the program's resources.
std::vector<QIcon> ToolBarIcons()
{
    std::vector<QIcon> icons;
    // The table owns the bytes the bitmap is found in.
    const platform::ResourceTable resources = platform::OwnResources();
    const auto dib = resources.Find(platform::ResourceType::Bitmap, IDB_TOOLBAR);
    if (!dib)
        return icons;
    const auto strip = fw::Clipboard::DibToImage(std::vector<uint8_t>(dib->begin(), dib->end()));
    if (!strip)
        return icons;
    QImage image = strip->convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (row[x] == kToolBarClear)
                row[x] = qRgba(0, 0, 0, 0);
    }
    for (int x = 0; x + kToolButtonWidth <= image.width(); x += kToolButtonWidth)
        icons.emplace_back(QPixmap::fromImage(image.copy(x, 0, kToolButtonWidth, kToolButtonHeight)));
    return icons;
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
    QMenu* edit = menuBar()->addMenu("&Edit");
    AddCommand(edit, ID_ALBUM_UNDO, "&Undo\tCtrl+Z", QKeySequence::Undo);
    edit->addSeparator();
    AddCommand(edit, ID_ALBUM_CUT, "Cu&t\tCtrl+X", QKeySequence::Cut);
    AddCommand(edit, ID_ALBUM_COPY, "&Copy\tCtrl+C", QKeySequence::Copy);
    AddCommand(edit, ID_ALBUM_PASTE, "&Paste\tCtrl+V", QKeySequence::Paste);
    edit->addSeparator();
    AddCommand(edit, ID_ADD_ITEMS, "&Add New Items...\t+", QKeySequence(Qt::Key_Plus));
    AddCommand(edit, ID_DELETE_ITEM, "&Delete\tDel", QKeySequence::Delete);
    AddCommand(edit, ID_ITEM_INFO, "&Info...\tEnter", QKeySequence(Qt::Key_Return));
    AddCommand(edit, ID_OPEN_TO_EDIT, "&Open Picture to Edit");
    AddCommand(edit, ID_UPDATE_THUMBNAIL, "&Update Thumbnail");
    AddCommand(edit, ID_SAVE_PICTURE_AS, "Save &Picture As...");
    edit->addSeparator();
    AddCommand(edit, ID_ALBUM_INFO, "&Album Info...");
    QMenu* view = menuBar()->addMenu("&View");
    AddCommand(view, ID_VIEW_PICTURE, "&View Picture\tF3", QKeySequence(Qt::Key_F3));
    AddCommand(view, ID_SLIDE_SHOW, "&Slide Show...");
    AddCommand(view, ID_GO_TO_SELECTED, "&Go to Selected");
    view->addSeparator();
    AddCommand(view, ID_SEARCH, "&Search...");
    AddCommand(view, ID_VIEW_FOUND, "View Only &Found")->setCheckable(true);
    QMenu* sort = view->addMenu("S&ort");
    AddCommand(sort, ID_SORT_FILENAME, "By &filename");
    AddCommand(sort, ID_SORT_ALIAS, "By &alias");
    AddCommand(sort, ID_SORT_CREATION, "By date of &creation");
    AddCommand(sort, ID_SORT_MODIFICATION, "By date of last &modification");
    WatchMenu(sort);
    QMenu* options = menuBar()->addMenu("&Options");
    AddCommand(options, ID_OPTIONS_TMPFOLDER, "&Temporary Folder...");
    AddCommand(options, ID_SLIDE_OPTIONS, "Slide &Show...");
    QMenu* help = menuBar()->addMenu("&Help");
    AddCommand(help, fw::ID_APP_ABOUT, "&About Telvy Album...");
    AddCommand(help, ID_WEB_SITE, "Quendle Software Web site");

    // The toolbar's buttons, in groups; 0 is a gap. Their pictures lie side
    // by side in one strip, in this order.
    toolBar_ = new QToolBar("Standard", this);
    toolBar_->setObjectName("AlbumToolBar");
    toolBar_->setIconSize(QSize(kToolButtonWidth, kToolButtonHeight));
    const uint32_t buttons[] = {fw::ID_FILE_NEW, fw::ID_FILE_OPEN, fw::ID_FILE_SAVE, 0,
                                ID_ALBUM_CUT, ID_ALBUM_COPY, ID_ALBUM_PASTE, 0,
                                ID_ALBUM_UNDO, 0, ID_ADD_ITEMS, ID_DELETE_ITEM, 0,
                                ID_SEARCH, ID_VIEW_FOUND, 0, fw::ID_APP_ABOUT};
    const char* const tips[] = {"New album", "Open album", "Save album", "", "Cut", "Copy", "Paste", "", "Undo", "",
                                "Add new items", "Delete", "", "Search", "View only found", "", "About"};
    const std::vector<QIcon> icons = ToolBarIcons();
    size_t picture = 0;
    for (size_t i = 0; i < std::size(buttons); ++i) {
        if (buttons[i] == 0) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = picture < icons.size() ? toolBar_->addAction(icons[picture], tips[i])
                                                 : toolBar_->addAction(tips[i]);
        ++picture;
        fw::SetControlId(action, buttons[i]);
        action->setToolTip(tips[i]);
        action->setStatusTip(tips[i]);
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
    if (storeScannedPicture) {
        storeScannedPicture(picture);
        return;
    }
    // The application's store writes it to the scan folder and adds it to
    // the album.
    if (picture) {
        if (COvalbumApp* app = COvalbumApp::Get())
            app->DeliverScannedPicture(*picture);
        WARelease(picture);
    }
}
