#include "editor/helpdlg/LdHelpDlg.h"

#include "base/QnRcStr.h"
#include "editor/helpdlg/SystemFont.h"
#include "framework/App.h"
#include "framework/CommandIds.h"
#include "framework/ControlId.h"
#include "framework/EventGuard.h"
#include "framework/HelpProvider.h"
#include "framework/MessageBox.h"
#include "framework/PopupMenu.h"

#include <QBoxLayout>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

namespace {

// The editor's texts of the dialog base, by the ids of its string table.
constexpr int IDS_WHATS_THIS = 63014;
const QnStringTableEntry kEditorStrings[] = {
    {IDS_WHATS_THIS, "&What's This?"},
};

struct EditorTable {
    EditorTable() { rc.SetTable(kEditorStrings); }
    QnRcStr rc{0};
};

const QnRcStr& EditorStrings()
{
    static const EditorTable table;
    return table.rc;
}

void ShowHelp(uint32_t id, uint32_t command)
{
    if (fw::App* app = fw::App::Get())
        app->WinHelp(id, command);
    else
        fw::HelpProvider::Instance().Show({}, id, command);
}

}  // namespace

const CLdHelpDlgStyle& CLdHelpDlgStyle::Editor()
{
    static const CLdHelpDlgStyle editor{CLdHelpDlg::ID_WHATS_THIS, &EditorStrings(), IDS_WHATS_THIS, false};
    return editor;
}

CLdHelpDlg::CLdHelpDlg(uint32_t templateId, QWidget* parent, const CLdHelpDlgStyle& style)
    : fw::Dialog(parent), templateId_(templateId), style_(style)
{
    helpId = fw::kHelpBaseResource + templateId;
    setFont(LdMakeFont(LdPointFont(80, "MS Sans Serif")));
}

bool CLdHelpDlg::OnInitDialog()
{
    // Controls keep no menus of their own (an edit's Cut and Paste): a right
    // click anywhere reaches the dialog's "What's This?".
    for (QWidget* child : findChildren<QWidget*>()) {
        child->setContextMenuPolicy(Qt::NoContextMenu);
        const uint32_t id = fw::ControlId(child);
        // OK and Cancel have no topic of their own.
        if (style_.controlTopics && id > fw::IDCANCEL && fw::HelpId(child) == 0)
            fw::SetHelpId(child, ControlTopic(templateId_, id));
    }
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

uint32_t CLdHelpDlg::ControlTopic(uint32_t templateId, uint32_t controlId)
{
    return fw::ControlHelpTopic(templateId, controlId);
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
    const QnRcStr& strings = style_.strings ? *style_.strings : EditorStrings();
    // At most 127 characters, as the string is loaded into its buffer.
    const std::string text = strings(style_.whatsThisText).substr(0, 127);
    QMenu menu(this);
    QAction* item = menu.addAction(QString::fromStdString(text));
    fw::SetControlId(item, style_.whatsThisCommand);
    if (fw::TrackPopupMenu(menu, screenPoint) == item)
        OnCommand(style_.whatsThisCommand);
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
    if (id == style_.whatsThisCommand) {
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
