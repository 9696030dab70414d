#include "framework/DialogHelp.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include "framework/ControlId.h"
#include "framework/Dialog.h"
#include "framework/EventGuard.h"
#include "framework/HelpProvider.h"
#include "framework/MessageBox.h"  // IDCANCEL
#include "framework/PopupMenu.h"

namespace fw {

DialogHelp::DialogHelp(Dialog& dialog, DialogHelpRules rules)
    : QObject(&dialog), dialog_(dialog), rules_(std::move(rules))
{
    dialog.installEventFilter(this);
}

void DialogHelp::PrepareControls()
{
    for (QWidget* child : dialog_.findChildren<QWidget*>()) {
        if (!rules_.controlMenus)
            child->setContextMenuPolicy(Qt::NoContextMenu);
        const uint32_t id = ControlId(child);
        if (!rules_.controlTopic || id <= IDCANCEL || HelpId(child) != 0)
            continue;
        if (const uint32_t topic = rules_.controlTopic(id))
            SetHelpId(child, topic);
    }
}

QWidget* DialogHelp::ControlOf(QWidget* widget) const
{
    while (widget && widget != &dialog_ && ControlId(widget) == 0)
        widget = widget->parentWidget();
    return widget == &dialog_ ? nullptr : widget;
}

bool DialogHelp::OnHelpKey()
{
    const QWidget* control = rules_.keyCommand ? ControlOf(dialog_.focusWidget()) : nullptr;
    if (const uint32_t topic = control ? HelpId(control) : 0) {
        Show(topic, rules_.keyCommand);
        return true;
    }
    return ShowDialogHelp();
}

void DialogHelp::OnRightClick(const QPoint& dialogPoint, const QPoint& screenPoint)
{
    menuPoint_ = dialogPoint;
    if (rules_.whatsThisCommand == 0) {
        const QWidget* control = ControlOf(dialog_.childAt(dialogPoint));
        if (const uint32_t topic = control ? HelpId(control) : 0)
            Show(topic, HELP_CONTEXTMENU);
        return;
    }
    QMenu menu(&dialog_);
    QAction* item = menu.addAction(QString::fromStdString(rules_.whatsThisText ? rules_.whatsThisText() : ""));
    SetControlId(item, rules_.whatsThisCommand);
    if (TrackPopupMenu(menu, screenPoint) == item)
        OnWhatsThis();
}

void DialogHelp::OnWhatsThis()
{
    const QWidget* control = ControlOf(dialog_.childAt(menuPoint_));
    if (!control)
        return;
    if (const uint32_t topic = HelpId(control))
        Show(topic, HELP_CONTEXTPOPUP);
    else if (rules_.whatsThisFallsBack)
        ShowDialogHelp();
}

bool DialogHelp::ShowDialogHelp() const
{
    switch (rules_.elsewhere) {
    case DialogHelpRules::Elsewhere::DialogTopic:
        Show(dialog_.helpId, HELP_CONTEXT);
        return true;
    case DialogHelpRules::Elsewhere::Contents:
        Show(0, HELP_INDEX);
        return true;
    case DialogHelpRules::Elsewhere::Nothing:
        return false;
    }
    return false;
}

void DialogHelp::Show(uint32_t id, uint32_t command) const
{
    if (rules_.helpFile)
        HelpProvider::Instance().Show(*rules_.helpFile, id, command);
    else
        ApplicationHelp(id, command);
}

bool DialogHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &dialog_)
        return false;
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        // A request that failed has been answered with its message.
        bool asked = true;
        GuardedCall([&] { asked = OnHelpKey(); });
        return asked;
    }
    if (event->type() == QEvent::ContextMenu) {
        const auto* click = static_cast<QContextMenuEvent*>(event);
        GuardedCall([&] { OnRightClick(click->pos(), click->globalPos()); });
        return true;
    }
    return false;
}

}  // namespace fw
