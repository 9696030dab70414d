// "Scan": the scanner in use, colour or grey and the resolution; "Scan"
// starts it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/Dialog.h"

class CScanDlg : public fw::Dialog {
public:
    // modes: which of colour and grey the device offers.
    CScanDlg(std::string device, bool offersColour, bool offersGrey, std::vector<int32_t> resolutions,
             QWidget* parent = nullptr);

    bool colour = true;
    int32_t dpi = 150;

    bool OnInitDialog() override;
    void OnOK() override;

protected:
    void CreateControls() override;

private:
    std::string device_;
    std::vector<bool> modes_;  // the mode list's lines: true colour
    std::vector<int32_t> resolutions_;
};
