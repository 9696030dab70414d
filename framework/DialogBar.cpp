#include "framework/DialogBar.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>

#include "framework/CmdUI.h"
#include "framework/ControlId.h"
#include "framework/Dialog.h"
#include "framework/EventGuard.h"
#include "framework/FrameWnd.h"

namespace fw {

FW_IMPLEMENT_RUNTIMECLASS_NAMED(DialogBar, "CDialogBar", CmdTarget, RuntimeClass::kNoSchema, nullptr)

namespace {

constexpr const char* kConnected = "fwCommandConnected";

// A control of the bar itself, not of a dialog placed in it (a tool's
// option panel): the panel's control ids are its own and may equal the
// bar's commands.
bool IsBarControl(const QWidget* bar, const QWidget* control)
{
    for (const QWidget* w = control->parentWidget(); w && w != bar; w = w->parentWidget())
        if (dynamic_cast<const Dialog*>(w))
            return false;
    return true;
}

}  // namespace

DialogBar::DialogBar(QWidget* parent) : QWidget(parent) {}

bool DialogBar::Create(FrameWnd* frame, Qt::DockWidgetArea area, uint32_t id, int size)
{
    if (!frame)
        return false;
    owner_ = frame;
    id_ = id;
    if (area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea)
        setFixedWidth(size);
    else
        setFixedHeight(size);
    frame->AddControlBar(this, id, area);
    ConnectCommandButtons();
    return true;
}

void DialogBar::AddCommandButton(QAbstractButton* button, uint32_t id)
{
    SetControlId(button, id);
    if (button->parent() != this && !isAncestorOf(button))
        button->setParent(this);
    ConnectCommandButtons();
}

void DialogBar::AddOwnCommandButton(QAbstractButton* button, uint32_t id)
{
    SetControlId(button, id);
    if (button->parent() != this && !isAncestorOf(button))
        button->setParent(this);
    button->setProperty(kConnected, true);
    connect(button, &QAbstractButton::clicked, this, [this, button] {
        const uint32_t id = ControlId(button);
        if (id == 0)
            return;
        GuardedCall([&] {
            if (!OnCmdMsg(id, CmdCode::Command, nullptr) && owner_)
                owner_->SendCommand(id);
        });
    });
}

void DialogBar::ConnectCommandButtons()
{
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        if (button->property(kConnected).toBool() || ControlId(button) == 0 || !IsBarControl(this, button))
            continue;
        button->setProperty(kConnected, true);
        connect(button, &QAbstractButton::clicked, this, [this, button] {
            const uint32_t id = ControlId(button);
            GuardedCall([&] {
                if (owner_)
                    owner_->SendCommand(id);
                else
                    OnCmdMsg(id, CmdCode::Command, nullptr);
            });
        });
    }
}

void DialogBar::OnUpdateCmdUI(CmdTarget* target, bool disableIfNoHandler)
{
    for (QWidget* child : findChildren<QWidget*>()) {
        const uint32_t id = ControlId(child);
        if (id == 0 || id == 0xFFFF || !IsBarControl(this, child))
            continue;
        // Only push buttons go grey for want of a handler; check boxes,
        // radio buttons and other controls keep their state.
        const bool pushButton = qobject_cast<QAbstractButton*>(child) && !qobject_cast<QCheckBox*>(child) &&
                                !qobject_cast<QRadioButton*>(child);
        WidgetCmdUI ui(child, id);
        ui.DoUpdate(target, disableIfNoHandler && pushButton);
    }
}

}  // namespace fw
