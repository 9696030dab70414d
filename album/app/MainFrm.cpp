#include "album/app/MainFrm.h"

#include <QMenu>
#include <QMenuBar>

#include "album/app/AlbumIds.h"
#include "framework/CommandIds.h"
#include "framework/StatusBar.h"

FW_IMPLEMENT_DYNCREATE(CMainFrame, fw::FrameWnd)

CMainFrame::CMainFrame()
{
    QMenu* file = menuBar()->addMenu("&File");
    AddCommand(file, fw::ID_FILE_NEW, "&New\tCtrl+N", QKeySequence::New);
    AddCommand(file, fw::ID_FILE_OPEN, "&Open...\tCtrl+O", QKeySequence::Open);
    AddCommand(file, fw::ID_FILE_SAVE, "&Save\tCtrl+S", QKeySequence::Save);
    AddCommand(file, fw::ID_FILE_SAVE_AS, "Save &As...");
    file->addSeparator();
    AddCommand(file, fw::ID_FILE_MRU_FILE1, "Recent File");
    file->addSeparator();
    AddCommand(file, fw::ID_APP_EXIT, "E&xit");
    QMenu* options = menuBar()->addMenu("&Options");
    AddCommand(options, ID_OPTIONS_TMPFOLDER, "&Temporary Folder...");
    QMenu* help = menuBar()->addMenu("&Help");
    AddCommand(help, fw::ID_APP_ABOUT, "&About Telvy Album...");
    AddCommand(help, ID_WEB_SITE, "Quendle Software Web site");
    auto* status = new fw::StatusBar(this);
    status->SetIndicators({fw::ID_SEPARATOR});
    SetStatusBar(status);
    resize(640, 480);
}
