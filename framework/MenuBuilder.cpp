#include "framework/MenuBuilder.h"

#include <QMenu>
#include <QMenuBar>

#include "framework/FrameWnd.h"

namespace fw {

std::vector<QMenu*> FillMenuBar(FrameWnd& frame, QMenuBar* bar, const MenuTemplate& menu)
{
    std::vector<QMenu*> old;
    for (QAction* action : bar->actions())
        if (QMenu* sub = action->menu(); sub && sub->parent() == bar)
            old.push_back(sub);
    bar->clear();
    // Later: the bar may be rebuilt from a handler of one of these menus.
    for (QMenu* sub : old)
        sub->deleteLater();

    std::vector<QMenu*> menus;
    for (const MenuItem& popup : menu.Popups()) {
        QMenu* sub = bar->addMenu(QString::fromStdString(popup.text));
        AppendMenuItems(frame, sub, popup.children);
        frame.WatchMenu(sub);
        menus.push_back(sub);
    }
    return menus;
}

void AppendMenuItems(FrameWnd& frame, QMenu* menu, const std::vector<MenuItem>& items)
{
    for (const MenuItem& item : items) {
        switch (item.kind) {
        case MenuItem::Kind::Separator:
            menu->addSeparator();
            break;
        case MenuItem::Kind::Popup:
            AppendMenuItems(frame, menu->addMenu(QString::fromStdString(item.text)), item.children);
            break;
        case MenuItem::Kind::Command: {
            const MenuActionText text = SplitMenuText(item.text);
            frame.AddCommand(menu, item.id, text.label, text.shortcut);
            break;
        }
        }
    }
}

QMenu* CreatePopupMenu(FrameWnd& frame, const MenuItem& popup, QWidget* parent)
{
    auto* menu = new QMenu(QString::fromStdString(popup.text), parent);
    AppendMenuItems(frame, menu, popup.children);
    frame.WatchMenu(menu);
    return menu;
}

MenuActionText SplitMenuText(const std::string& text)
{
    const QString all = QString::fromStdString(text);
    const qsizetype tab = all.indexOf('\t');
    if (tab < 0)
        return {all, {}};
    const QKeySequence shortcut = QKeySequence::fromString(all.mid(tab + 1).trimmed(), QKeySequence::PortableText);
    if (shortcut.isEmpty() || shortcut[0].key() == Qt::Key_unknown)
        return {all, {}};
    return {all.left(tab), shortcut};
}

}  // namespace fw
