#include "framework/CmdUI.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QWidget>

#include "framework/CmdTarget.h"
#include "framework/ControlId.h"

namespace fw {

void CmdUI::Enable(bool on)
{
    enabled_ = on;
    enableChanged_ = true;
}

void CmdUI::SetCheck(int state)
{
    checked_ = state;
}

void CmdUI::SetText(const std::string& text)
{
    text_ = text;
}

bool CmdUI::DoUpdate(CmdTarget* target, bool disableIfNoHandler)
{
    if (!target)
        return false;
    enableChanged_ = false;
    const bool handled = target->OnCmdMsg(id_, CmdCode::UpdateUI, this);
    if (!handled && disableIfNoHandler && !enableChanged_)
        Enable(target->OnCmdMsg(id_, CmdCode::Probe, this));
    return handled;
}

ActionCmdUI::ActionCmdUI(QAction* action, QMenu* menu) : CmdUI(ControlId(action)), action_(action), menu_(menu) {}

void ActionCmdUI::Enable(bool on)
{
    CmdUI::Enable(on);
    action_->setEnabled(on);
}

void ActionCmdUI::SetCheck(int state)
{
    CmdUI::SetCheck(state);
    action_->setCheckable(true);
    action_->setChecked(state != 0);
}

void ActionCmdUI::SetText(const std::string& text)
{
    CmdUI::SetText(text);
    action_->setText(QString::fromStdString(text));
}

WidgetCmdUI::WidgetCmdUI(QWidget* widget, uint32_t id) : CmdUI(id), widget_(widget) {}

void WidgetCmdUI::Enable(bool on)
{
    CmdUI::Enable(on);
    // Keep the focus on a control that is still enabled.
    if (!on && widget_->hasFocus())
        if (QWidget* next = widget_->nextInFocusChain(); next && next != widget_)
            next->setFocus();
    widget_->setEnabled(on);
}

void WidgetCmdUI::SetCheck(int state)
{
    CmdUI::SetCheck(state);
    if (auto* check = qobject_cast<QCheckBox*>(widget_)) {
        check->setCheckState(state == 2 ? Qt::PartiallyChecked : state ? Qt::Checked : Qt::Unchecked);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget_)) {
        button->setCheckable(true);
        button->setChecked(state != 0);
    }
}

void WidgetCmdUI::SetText(const std::string& text)
{
    CmdUI::SetText(text);
    if (auto* button = qobject_cast<QAbstractButton*>(widget_))
        button->setText(QString::fromStdString(text));
    else if (auto* label = qobject_cast<QLabel*>(widget_))
        label->setText(QString::fromStdString(text));
    else
        widget_->setWindowTitle(QString::fromStdString(text));
}

}  // namespace fw
