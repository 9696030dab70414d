#include "album/app/MainFrm.h"

#include <QMenu>
#include <QMenuBar>

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
    auto* status = new fw::StatusBar(this);
    status->SetIndicators({fw::ID_SEPARATOR});
    SetStatusBar(status);
    resize(640, 480);
}
