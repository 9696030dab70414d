// Puts a menu template on the screen: each popup a QMenu, each command item
// an action whose command goes to a frame through its command routing (and
// whose state the frame's update handlers set), in the template's order, so
// positions in the template are positions in the menus. The text after a
// tab is the action's shortcut.
#pragma once

#include <QKeySequence>
#include <QString>
#include <string>
#include <vector>

#include "framework/MenuTemplate.h"

class QMenu;
class QMenuBar;
class QWidget;

namespace fw {

class FrameWnd;

// Replaces the menus of bar (deleting those it held) with the popups of
// menu; returns the new menus in order.
std::vector<QMenu*> FillMenuBar(FrameWnd& frame, QMenuBar* bar, const MenuTemplate& menu);

// Appends items to menu, popups as submenus.
void AppendMenuItems(FrameWnd& frame, QMenu* menu, const std::vector<MenuItem>& items);

// One popup of a template as a menu of its own (a context menu), owned by
// parent.
QMenu* CreatePopupMenu(FrameWnd& frame, const MenuItem& popup, QWidget* parent);

// A menu text split for an action: the label before a tab, and the shortcut
// after it. A shortcut Qt cannot read stays in the label after the tab,
// where a menu still shows it.
struct MenuActionText {
    QString label;
    QKeySequence shortcut;
};
MenuActionText SplitMenuText(const std::string& text);

}  // namespace fw
