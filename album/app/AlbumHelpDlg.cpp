#include "album/app/AlbumHelpDlg.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

#include "framework/App.h"
#include "framework/ControlId.h"
#include "framework/EventGuard.h"
#include "framework/HelpProvider.h"

namespace {

void WinHelp(uint32_t id, uint32_t command)
{
    if (fw::App* app = fw::App::Get())
        app->WinHelp(id, command);
    else
        fw::HelpProvider::Instance().Show({}, id, command);
}

} // namespace

CAlbumHelpDlg::CAlbumHelpDlg(uint32_t dialogId, QWidget* parent) : fw::Dialog(parent), dialogId_(dialogId)
{
    helpId = dialogId;
}

bool CAlbumHelpDlg::OnInitDialog()
{
    for (QWidget* child : findChildren<QWidget*>()) {
        const uint32_t id = fw::ControlId(child);
        // The buttons that close the dialog have no topic of their own.
        if (id > 2 && fw::HelpId(child) == 0)
            fw::SetHelpId(child, ControlHelpId(dialogId_, id));
        // A right click reaches the dialog rather than an edit's own menu.
        child->setContextMenuPolicy(Qt::NoContextMenu);
    }
    return fw::Dialog::OnInitDialog();
}

QWidget* CAlbumHelpDlg::ControlOf(QWidget* widget) const
{
    while (widget && widget != this && fw::ControlId(widget) == 0)
        widget = widget->parentWidget();
    return widget == this ? nullptr : widget;
}

void CAlbumHelpDlg::ShowHelpFor(QWidget* control, uint32_t command)
{
    const uint32_t id = control ? fw::HelpId(control) : 0;
    if (id != 0)
        WinHelp(id, command);
    else if (command == fw::HELP_WM_HELP)
        WinHelp(helpId, fw::HELP_CONTEXT);
}

void CAlbumHelpDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_F1) {
        fw::Dialog::keyPressEvent(event);
        return;
    }
    fw::GuardedCall([&] { ShowHelpFor(ControlOf(focusWidget()), fw::HELP_WM_HELP); });
}

void CAlbumHelpDlg::contextMenuEvent(QContextMenuEvent* event)
{
    QWidget* control = ControlOf(childAt(event->pos()));
    fw::GuardedCall([&] { ShowHelpFor(control, fw::HELP_CONTEXTMENU); });
}
