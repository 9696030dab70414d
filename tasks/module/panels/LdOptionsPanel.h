// The base of the option panels that tools place in the editor's task bar:
// a modeless child dialog without caption that never ends itself, so Enter
// and Escape inside it do nothing.
#pragma once

#include "framework/Dialog.h"

class CLdOptionsPanel : public fw::Dialog {
public:
    explicit CLdOptionsPanel(QWidget* parent = nullptr) : fw::Dialog(parent) {}

    void OnOK() override {}
    void OnCancel() override {}
};
