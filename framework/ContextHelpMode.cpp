#include "framework/ContextHelpMode.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWidget>

#include "framework/App.h"
#include "framework/ControlId.h"
#include "framework/Dialog.h"
#include "framework/EventGuard.h"
#include "framework/HelpProvider.h"

namespace fw {

namespace {

uint32_t OwnTopic(const QWidget* widget)
{
    if (const uint32_t id = HelpId(widget))
        return id;
    const auto* dialog = dynamic_cast<const Dialog*>(widget);
    return dialog ? dialog->helpId : 0;
}

// A menu item's topic: its own help id, else its command's.
uint32_t MenuItemTopic(const QMenu& menu, const QPoint& screenPoint)
{
    const QAction* item = menu.actionAt(menu.mapFromGlobal(screenPoint));
    if (!item || item->menu() || item->isSeparator())
        return 0;
    if (const uint32_t id = HelpId(item))
        return id;
    const uint32_t command = ControlId(item);
    return command ? kHelpBaseCommand + command : 0;
}

void CloseMenus()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

}  // namespace

ContextHelpMode& ContextHelpMode::Instance()
{
    // Never destroyed: it may outlive the Qt application.
    static ContextHelpMode* mode = new ContextHelpMode;
    return *mode;
}

void ContextHelpMode::Enter()
{
    if (on_ || !qApp)
        return;
    on_ = true;
    swallowRelease_ = false;
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(QCursor(Qt::WhatsThisCursor));
}

void ContextHelpMode::Leave()
{
    if (!on_)
        return;
    on_ = false;
    QApplication::restoreOverrideCursor();
    if (!swallowRelease_ && qApp)
        qApp->removeEventFilter(this);
}

ContextHelpTopic ContextHelpMode::TopicAt(QWidget* widget, const QPoint& screenPoint, const std::string& helpFile)
{
    auto hasPage = [&](uint32_t id) {
        return helpFile.empty() || QFileInfo::exists(QString::fromStdString(HelpProvider::TopicPage(helpFile, id)));
    };
    if (const auto* menu = qobject_cast<const QMenu*>(widget))
        if (const uint32_t id = MenuItemTopic(*menu, screenPoint); id && hasPage(id))
            return {id, HELP_CONTEXT};
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const uint32_t id = OwnTopic(w);
        if (id && hasPage(id))
            return {id, w->isWindow() ? uint32_t(HELP_CONTEXT) : uint32_t(HELP_CONTEXTPOPUP)};
        if (w->isWindow())
            break;
    }
    return {kHelpBaseResource + kMainFrameResource, HELP_CONTEXT};
}

void ContextHelpMode::Click(QWidget* widget, const QPoint& screenPoint)
{
    App* app = App::Get();
    const ContextHelpTopic topic = TopicAt(widget, screenPoint, app ? app->GetHelpFile() : std::string());
    swallowRelease_ = true;
    Leave();
    CloseMenus();
    GuardedCall([&] { ApplicationHelp(topic.id, topic.command); });
}

bool ContextHelpMode::eventFilter(QObject* receiver, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (swallowRelease_ && receiver->isWidgetType()) {
            if (event->type() == QEvent::MouseButtonRelease) {
                swallowRelease_ = false;
                if (!on_)
                    qApp->removeEventFilter(this);
            }
            return true;
        }
        return false;
    case QEvent::MouseButtonPress: {
        if (!receiver->isWidgetType())
            return false;
        if (!on_) {
            // The release of the last help click never came: this is a new click.
            swallowRelease_ = false;
            qApp->removeEventFilter(this);
            return false;
        }
        auto* widget = static_cast<QWidget*>(receiver);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->globalPosition().toPoint();
        // The menu bar opens its menus, so that their items can be asked about.
        if (qobject_cast<QMenuBar*>(widget))
            return false;
        if (auto* menu = qobject_cast<QMenu*>(widget)) {
            const QAction* item = menu->actionAt(menu->mapFromGlobal(at));
            if (item && item->menu())
                return false;
        }
        if (mouse->button() == Qt::LeftButton) {
            Click(widget, at);
        } else {
            swallowRelease_ = true;
            Leave();
        }
        return true;
    }
    case QEvent::ShortcutOverride:
        // Escape ends the mode and nothing else: no shortcut may take it.
        if (on_ && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        return false;
    case QEvent::KeyPress:
        if (on_ && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            Leave();
            return true;
        }
        return false;
    case QEvent::ApplicationDeactivate:
        Leave();
        return false;
    default:
        return false;
    }
}

}  // namespace fw
