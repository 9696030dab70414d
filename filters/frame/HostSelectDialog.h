// "Host application selection": the user names the host the module runs
// under, with the row of the host's signature preselected.
#pragma once

#include "framework/Dialog.h"

#include <cstdint>

class QComboBox;

class HostSelectDialog : public fw::Dialog {
public:
    static constexpr uint32_t IDD = 142;
    static constexpr uint32_t IDC_HOSTS = 1014;

    // hostNumber is left as it is unless the dialog ends with OK.
    HostSelectDialog(uint32_t hostSig, int32_t hostNumber, QWidget* parent = nullptr);

    int32_t hostNumber;

protected:
    void CreateControls() override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    uint32_t hostSig_;
    QComboBox* hosts_ = nullptr;
};
