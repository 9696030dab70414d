// The editor's Effects menu as the menu tools show it: a popup of the fifth
// menu of the editor's picture menu (130, found through the resource
// search, so the program's own), tracked at the cursor and owned by the
// editor's main window, so that the item chosen reaches the editor as its
// ordinary menu command.
#pragma once

#include <QPoint>

class CLdEditorHost;

class CLdEffectsMenu {
public:
    static constexpr uint32_t kMenuId = 130;
    static constexpr int kEffectsPosition = 4;
    // Positions of the popups inside the Effects menu.
    static constexpr int kArtwork = 0;
    static constexpr int kDeformations = 1;
    static constexpr int kTextures = 4;

    // Shows the popup at position of the Effects menu at the screen point;
    // nothing chosen sends nothing. A menu without that popup is the
    // editor's damage: ResourceException naming the menu.
    static void Track(CLdEditorHost& editor, int position, const QPoint& at);
    // The same at the cursor.
    static void TrackAtCursor(CLdEditorHost& editor, int position);
};
