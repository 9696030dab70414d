// Data exchange between a dialog's controls and its fields, with the
// framework's standard validation messages ("Please enter an integer.",
// "Please enter an integer between 1 and 10." ...). A refused value shows its
// message, puts the focus on the control and raises UserException, which
// UpdateData turns into false so the dialog stays open.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

class QWidget;

namespace fw {

class Dialog;

class DataExchange {
public:
    DataExchange(Dialog& dialog, bool saveAndValidate) : dialog(dialog), saveAndValidate(saveAndValidate) {}

    // The control with id (remembered for Fail); raises when it is missing.
    QWidget* PrepareCtrl(uint32_t id);
    QWidget* PrepareEditCtrl(uint32_t id);
    // Focuses the last prepared control (selecting an edit's text) and
    // raises UserException.
    [[noreturn]] void Fail();
    // Shows message, then Fail.
    [[noreturn]] void Fail(const std::string& message);

    Dialog& dialog;
    const bool saveAndValidate;

private:
    QWidget* last_ = nullptr;
    bool lastIsEdit_ = false;
};

// Text of an edit, combo box (editable), label or multi-line edit.
void DDX_Text(DataExchange& dx, uint32_t id, std::string& value);
void DDX_Text(DataExchange& dx, uint32_t id, int32_t& value);
void DDX_Text(DataExchange& dx, uint32_t id, uint32_t& value);
void DDX_Text(DataExchange& dx, uint32_t id, double& value);
// Check box state: 0, 1 or 2 (indeterminate).
void DDX_Check(DataExchange& dx, uint32_t id, int& value);
// The index of the checked radio button of the group that starts at id and
// runs over the following ids while radio buttons have them; -1 none.
void DDX_Radio(DataExchange& dx, uint32_t id, int& value);
// The same for a group of checkable buttons (radio buttons or push-like
// ones) given by their ids in group order, whatever the ids are.
void DDX_Radio(DataExchange& dx, std::initializer_list<uint32_t> ids, int& value);
// Combo box and list box selection by index (-1 none) or by text.
void DDX_CBIndex(DataExchange& dx, uint32_t id, int& value);
void DDX_CBString(DataExchange& dx, uint32_t id, std::string& value);
void DDX_LBIndex(DataExchange& dx, uint32_t id, int& value);
void DDX_LBString(DataExchange& dx, uint32_t id, std::string& value);
// A date-time control and a time in seconds since 1970 (local time).
void DDX_DateTimeCtrl(DataExchange& dx, uint32_t id, int64_t& seconds);

void DDV_MinMaxInt(DataExchange& dx, int32_t value, int32_t minValue, int32_t maxValue);
void DDV_MinMaxUInt(DataExchange& dx, uint32_t value, uint32_t minValue, uint32_t maxValue);
void DDV_MinMaxDouble(DataExchange& dx, double value, double minValue, double maxValue);
void DDV_MaxChars(DataExchange& dx, const std::string& value, size_t maxChars);

// Reading and writing the text of any text-holding control.
std::string GetControlText(const QWidget* control);
void SetControlText(QWidget* control, const std::string& text);

}  // namespace fw
