#include "framework/Dialog.h"

#include <QAbstractButton>
#include <QPushButton>

#include "framework/App.h"
#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "framework/EventGuard.h"
#include "framework/Exception.h"
#include "framework/MessageBox.h"

namespace fw {

FW_IMPLEMENT_RUNTIMECLASS_NAMED(Dialog, "CDialog", CmdTarget, RuntimeClass::kNoSchema, nullptr)

namespace {
constexpr const char* kConnected = "fwDialogConnected";
DialogHook& Hook()
{
    static DialogHook hook;
    return hook;
}
}  // namespace

DialogHook SetDialogHook(DialogHook hook)
{
    std::swap(Hook(), hook);
    return hook;
}

Dialog::Dialog(QWidget* parent) : QDialog(parent)
{
    if (!parent)
        if (App* app = App::Get())
            setParent(app->GetMainWidget(), windowFlags());
}

void Dialog::Prepare()
{
    if (!prepared_) {
        prepared_ = true;
        CreateControls();
    }
    ConnectButtons();
}

void Dialog::ConnectButtons()
{
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        if (button->property(kConnected).toBool() || ControlId(button) == 0)
            continue;
        button->setProperty(kConnected, true);
        if (auto* push = qobject_cast<QPushButton*>(button))
            push->setAutoDefault(ControlId(button) == IDOK);
        connect(button, &QAbstractButton::clicked, this, [this, button] {
            const uint32_t id = ControlId(button);
            GuardedCall([&] { OnCommand(id); });
        });
    }
}

int Dialog::DoModal()
{
    Prepare();
    open_ = true;
    result_ = IDCANCEL;
    bool initialised = false;
    GuardedCall([&] {
        OnInitDialog();
        initialised = true;
    });
    if (!initialised) {
        open_ = false;
        return -1;
    }
    if (!open_)
        return result_;  // ended while it was being set up
    if (Hook()) {
        const DialogHook hook = Hook();
        hook(*this);
        if (open_)
            EndDialog(IDCANCEL);
        return result_;
    }
    QDialog::exec();
    if (open_)
        open_ = false;
    return result_;
}

bool Dialog::Create(QWidget* parent)
{
    if (parent)
        setParent(parent, windowFlags());
    Prepare();
    open_ = true;
    GuardedCall([&] { OnInitDialog(); });
    show();
    return true;
}

bool Dialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

bool Dialog::UpdateData(bool saveAndValidate)
{
    DataExchange dx(*this, saveAndValidate);
    try {
        DoDataExchange(dx);
        return true;
    } catch (const UserException&) {
        return false;  // the field was refused and the user told
    }
}

void Dialog::OnOK()
{
    if (!UpdateData(true))
        return;
    EndDialog(IDOK);
}

void Dialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void Dialog::EndDialog(int result)
{
    result_ = result;
    open_ = false;
    if (isVisible())
        done(result);
}

QWidget* Dialog::GetDlgItem(uint32_t id) const
{
    return FindControl(this, id);
}

QPushButton* Dialog::AddButton(uint32_t id, const QString& text)
{
    auto* button = new QPushButton(text, this);
    SetControlId(button, id);
    ConnectButtons();
    return button;
}

bool Dialog::PressButton(uint32_t id)
{
    Prepare();
    auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id));
    if (!button || !button->isEnabled())
        return false;
    button->click();
    return true;
}

void Dialog::OnCommand(uint32_t id)
{
    if (id == IDOK) {
        OnOK();
        return;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return;
    }
    OnCmdMsg(id, CmdCode::Command, nullptr);
}

void Dialog::reject()
{
    // Escape and the close box are Cancel.
    GuardedCall([&] { OnCancel(); });
}

void Dialog::accept()
{
    GuardedCall([&] { OnOK(); });
}

}  // namespace fw
