#include "editor/frame/FrameMenus.h"

#include <QMenu>
#include <QMenuBar>

#include "framework/CommandIds.h"
#include "framework/FrameWnd.h"

// The menus until the program's menu resources are read: the commands the
// editor has so far.
std::vector<QMenu*> LdFillMenuBar(fw::FrameWnd& frame, QMenuBar* bar, uint32_t menuId)
{
    bar->clear();
    std::vector<QMenu*> menus;
    const bool document = menuId != 150;
    QMenu* file = bar->addMenu("&File");
    menus.push_back(file);
    frame.AddCommand(file, fw::ID_FILE_NEW, "&New...\tCtrl+N", QKeySequence::New);
    frame.AddCommand(file, fw::ID_FILE_OPEN, "&Open...\tCtrl+O", QKeySequence::Open);
    frame.AddCommand(file, 32773, "Open From &Album...");
    if (document) {
        frame.AddCommand(file, fw::ID_FILE_CLOSE, "&Close");
        frame.AddCommand(file, fw::ID_FILE_SAVE, "&Save\tCtrl+S", QKeySequence::Save);
        frame.AddCommand(file, fw::ID_FILE_SAVE_AS, "Save &As...");
    }
    file->addSeparator();
    frame.AddCommand(file, fw::ID_APP_EXIT, "E&xit");
    if (document) {
        QMenu* edit = bar->addMenu("&Edit");
        menus.push_back(edit);
        frame.AddCommand(edit, fw::ID_EDIT_UNDO, "&Undo\tCtrl+Z", QKeySequence::Undo);
        frame.AddCommand(edit, fw::ID_EDIT_REDO, "&Redo\tCtrl+Y", QKeySequence(Qt::CTRL | Qt::Key_Y));
        frame.AddCommand(edit, 32925, "Image &History...");
        QMenu* view = bar->addMenu("&View");
        menus.push_back(view);
        frame.AddCommand(view, 32785, "Zoom &In\t+", QKeySequence(Qt::Key_Plus));
        frame.AddCommand(view, 32786, "Zoom &Out\t-", QKeySequence(Qt::Key_Minus));
        frame.AddCommand(view, 32784, "&Actual View");
        frame.AddCommand(view, 32872, "&Fit in Window");
        frame.AddCommand(view, 32787, "&Correct Window Size");
        menus.push_back(bar->addMenu("&Picture"));
        menus.push_back(bar->addMenu("Effe&cts"));
    }
    QMenu* options = bar->addMenu("&Options");
    menus.push_back(options);
    frame.AddCommand(options, 32865, "&Undo Depth...");
    frame.AddCommand(options, 32850, "&Sound");
    frame.AddCommand(options, 32860, "&Animation");
    frame.AddCommand(options, 33003, "&Plug-in Folders...");
    QMenu* help = bar->addMenu("&Help");
    menus.push_back(help);
    frame.AddCommand(help, fw::ID_APP_ABOUT, "&About Telvy...");
    return menus;
}

std::string LdMenuCommandText(uint32_t id)
{
    switch (id) {
    case fw::ID_FILE_NEW: return "New";
    case fw::ID_FILE_OPEN: return "Open";
    case 32861: return "Paste As New Image";
    case 33000: return "Acquire";
    default: return {};
    }
}
