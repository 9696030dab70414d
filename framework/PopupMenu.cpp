#include "framework/PopupMenu.h"

#include "framework/ControlId.h"

#include <QAction>
#include <QMenu>

namespace fw {

namespace {

PopupMenuHook& Hook()
{
    static PopupMenuHook hook;
    return hook;
}

}  // namespace

PopupMenuHook SetPopupMenuHook(PopupMenuHook hook)
{
    std::swap(Hook(), hook);
    return hook;
}

QAction* TrackPopupMenu(QMenu& menu, const QPoint& screenAt)
{
    if (!Hook())
        return menu.exec(screenAt);
    // The hook stands for the user: the menu is about to show (so its items
    // get their states) and a chosen item that is enabled is clicked.
    emit menu.aboutToShow();
    QAction* chosen = Hook()(menu, screenAt);
    emit menu.aboutToHide();
    if (!chosen || !chosen->isEnabled())
        return nullptr;
    chosen->trigger();
    return chosen;
}

QAction* FindMenuCommand(QMenu& menu, uint32_t commandId)
{
    for (QAction* action : menu.actions()) {
        if (QMenu* sub = action->menu()) {
            if (QAction* found = FindMenuCommand(*sub, commandId))
                return found;
        } else if (ControlId(action) == commandId) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace fw
