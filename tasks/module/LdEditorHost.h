// What the tools and wizards ask of the editor while they run on its
// behalf: its main window (the owner of their dialogs, minimised while the
// wallpaper dialog is up), its menu commands (File > Open, Open From Album,
// the picture commands), popups of its menus, whether a picture window
// is active and a repaint of the picture the user works on. The editor's
// own host is its application's main frame; tests put a recording one in
// its place through CLdWizardServices.
#pragma once

#include <cstdint>

class QPoint;
class QWidget;

namespace fw {
struct MenuItem;
}

class CLdEditorHost {
public:
    virtual ~CLdEditorHost() = default;

    // Null when the editor has no main window.
    virtual QWidget* MainWindow() = 0;
    // Runs one of the editor's menu commands as its menu item would; no
    // result is read.
    virtual void SendCommand(uint32_t id) = 0;
    // Tracks popup (one of the editor's menus) at the screen point, owned
    // by the main window; the item chosen runs as the editor's menu command.
    virtual void TrackPopup(const fw::MenuItem& popup, const QPoint& at) = 0;
    // A picture window is the active child of the main window.
    virtual bool HasActivePicture() = 0;
    virtual void MinimizeMainWindow() = 0;
    // Back to the state it had before it was minimised.
    virtual void RestoreMainWindow() = 0;
    // Repaints (without erasing) the active view of the active picture
    // window, when there is one, so that what it shows of a tool's
    // settings follows them.
    virtual void InvalidateActiveView() = 0;

    // The main frame of the current application (the editor's).
    static CLdEditorHost& Application();
};
