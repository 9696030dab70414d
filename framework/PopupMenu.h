// Runs a popup menu at a screen point and waits for the user's choice, as a
// context menu or a tool's menu does. The chosen action is triggered, so its
// command goes where a click would send it, and is returned; nothing chosen
// gives null. Tests and scripted runs answer through the hook instead of a
// menu on the screen.
#pragma once

#include <QPoint>
#include <cstdint>
#include <functional>

class QAction;
class QMenu;

namespace fw {

// Given the menu and the point, answers the action to choose (one of the
// menu's, also of its submenus) or null for none.
using PopupMenuHook = std::function<QAction*(QMenu& menu, const QPoint& screenAt)>;
// Returns the hook it replaces; an empty hook shows menus again.
PopupMenuHook SetPopupMenuHook(PopupMenuHook hook);

QAction* TrackPopupMenu(QMenu& menu, const QPoint& screenAt);

// The first action of menu, or of its submenus, that carries the command id
// as its control id (as the menu builders give their items), or null.
QAction* FindMenuCommand(QMenu& menu, uint32_t commandId);

}  // namespace fw
