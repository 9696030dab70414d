// A dialog, modal or modeless. Its controls carry the system's control ids;
// derived classes build them in CreateControls (or their constructor) and
// exchange their values with fields in DoDataExchange. A button's id is its
// command: IDOK runs OnOK (which validates first), IDCANCEL OnCancel, others
// go through the message map. Tests drive modal runs through the hook.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

#include "framework/CmdTarget.h"

class QAbstractButton;
class QPushButton;

namespace fw {

class DataExchange;
class Dialog;

// Drives a modal dialog instead of the user: called after OnInitDialog, it
// sets controls and presses buttons; a dialog still open when it returns
// ends as cancelled.
using DialogHook = std::function<void(Dialog&)>;
DialogHook SetDialogHook(DialogHook hook);

class Dialog : public QDialog, public CmdTarget {
    FW_DECLARE_DYNAMIC(Dialog)

public:
    explicit Dialog(QWidget* parent = nullptr);

    // Runs the dialog modally; IDOK, IDCANCEL or what EndDialog was given.
    virtual int DoModal();
    // Makes and shows the dialog without waiting (modeless).
    bool Create(QWidget* parent);

    // Called once the controls exist: the default shows the fields.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(DataExchange&) {}
    // Fields to controls (false) or controls to fields with validation
    // (true); false when a value was refused (the user has been told).
    bool UpdateData(bool saveAndValidate = true);
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int result);
    // Between the start of a run and EndDialog.
    bool IsOpen() const { return open_; }
    int GetResult() const { return result_; }

    QWidget* GetDlgItem(uint32_t id) const;
    // A push button with id and text, its click sending id.
    QPushButton* AddButton(uint32_t id, const QString& text);
    // Presses the button with id as the user would (tests, scripted runs).
    bool PressButton(uint32_t id);
    // Runs command id: the standard buttons, then the message map.
    virtual void OnCommand(uint32_t id);

    uint32_t helpId = 0;

protected:
    // Builds the controls; called once before OnInitDialog.
    virtual void CreateControls() {}
    void reject() override;
    void accept() override;

private:
    void Prepare();
    void ConnectButtons();

    bool prepared_ = false;
    bool open_ = false;
    int result_ = 0;
};

}  // namespace fw
