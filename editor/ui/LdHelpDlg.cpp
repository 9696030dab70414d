#include "editor/ui/LdHelpDlg.h"

#include "editor/ui/SystemFont.h"
#include "editor/ui/UiStrings.h"
#include "framework/App.h"
#include "framework/CommandIds.h"
#include "framework/ControlId.h"
#include "framework/EventGuard.h"
#include "framework/HelpProvider.h"
#include "framework/MessageBox.h"

#include <QBoxLayout>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

namespace {

CLdHelpDlg::MenuHook& Hook()
{
    static CLdHelpDlg::MenuHook hook;
    return hook;
}

void ShowHelp(uint32_t id, uint32_t command)
{
    if (fw::App* app = fw::App::Get())
        app->WinHelp(id, command);
    else
        fw::HelpProvider::Instance().Show({}, id, command);
}

}  // namespace

CLdHelpDlg::MenuHook CLdHelpDlg::SetMenuHook(MenuHook hook)
{
    std::swap(Hook(), hook);
    return hook;
}

CLdHelpDlg::CLdHelpDlg(uint32_t templateId, QWidget* parent) : fw::Dialog(parent), templateId_(templateId)
{
    helpId = fw::kHelpBaseResource + templateId;
    setFont(LdMakeFont(LdPointFont(80, "MS Sans Serif")));
}

bool CLdHelpDlg::OnInitDialog()
{
    // Controls keep no menus of their own (an edit's Cut and Paste): a right
    // click anywhere reaches the dialog's "What's This?".
    for (QWidget* child : findChildren<QWidget*>())
        child->setContextMenuPolicy(Qt::NoContextMenu);
    return fw::Dialog::OnInitDialog();
}

bool CLdHelpDlg::OnHelpInfo(const LdHelpInfo& info)
{
    if (info.contextId != 0) {
        ShowHelp(info.contextId, fw::HELP_CONTEXTPOPUP);
        return true;
    }
    // The framework's own handling: the dialog's topic.
    ShowHelp(helpId, fw::HELP_CONTEXT);
    return true;
}

QWidget* CLdHelpDlg::ControlAt(const QPoint& screenPoint) const
{
    QWidget* w = childAt(mapFromGlobal(screenPoint));
    while (w && w != this && fw::ControlId(w) == 0)
        w = w->parentWidget();
    return w == this ? nullptr : w;
}

void CLdHelpDlg::OnContextMenu(const QPoint& screenPoint)
{
    menuPoint_ = screenPoint;
    const std::string text = LdUiString(IDS_WHATS_THIS);
    bool chosen = false;
    if (Hook()) {
        chosen = Hook()(text, screenPoint);
    } else {
        QMenu menu(this);
        QAction* item = menu.addAction(QString::fromStdString(text));
        chosen = menu.exec(screenPoint) == item;
    }
    if (chosen)
        OnCommand(ID_WHATS_THIS);
}

void CLdHelpDlg::OnWhatsThis()
{
    QWidget* control = ControlAt(menuPoint_);
    if (!control)
        return;
    // A control without a topic of its own falls back to the dialog's.
    OnHelpInfo({fw::ControlId(control), fw::HelpId(control), menuPoint_});
}

void CLdHelpDlg::OnCommand(uint32_t id)
{
    if (id == ID_WHATS_THIS) {
        OnWhatsThis();
        return;
    }
    if (id == fw::ID_HELP) {
        OnHelpInfo({0, 0, QPoint(0, 0)});
        return;
    }
    fw::Dialog::OnCommand(id);
}

void CLdHelpDlg::AddStandardButtons(QBoxLayout* column, bool withCancel)
{
    column->addWidget(AddButton(fw::IDOK, "OK"));
    if (withCancel)
        column->addWidget(AddButton(fw::IDCANCEL, "Cancel"));
    column->addWidget(AddButton(fw::ID_HELP, "&Help"));
    column->addStretch(1);
}

void CLdHelpDlg::contextMenuEvent(QContextMenuEvent* event)
{
    fw::GuardedCall([&] { OnContextMenu(event->globalPos()); });
}

void CLdHelpDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_F1) {
        fw::Dialog::keyPressEvent(event);
        return;
    }
    QWidget* focus = focusWidget();
    while (focus && focus != this && fw::ControlId(focus) == 0)
        focus = focus->parentWidget();
    const bool onControl = focus && focus != this;
    fw::GuardedCall([&] {
        OnHelpInfo({onControl ? fw::ControlId(focus) : 0, onControl ? fw::HelpId(focus) : 0, QCursor::pos()});
    });
}
