// File > New: the size of the new picture in pixels and its resolution.
// Sizes from 1 to 2147483647 are accepted when typed; the spin arrows
// stop at 32767.
#pragma once

#include "editor/helpdlg/LdHelpDlg.h"

#include <string>

namespace fw { class SpinButton; }

class CNewDocDlg : public CLdHelpDlg {
public:
    static constexpr uint32_t IDD = 133;
    static constexpr uint32_t IDC_WIDTH = 1030;
    static constexpr uint32_t IDC_WIDTH_SPIN = 1017;
    static constexpr uint32_t IDC_HEIGHT = 1032;
    static constexpr uint32_t IDC_HEIGHT_SPIN = 1022;
    static constexpr uint32_t IDC_RESOLUTION = 1010;

    CNewDocDlg(int32_t width, int32_t height, QWidget* parent = nullptr);

    int32_t width;
    int32_t height;
    std::string resolution = "72";

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;

protected:
    void CreateControls() override;

private:
    fw::SpinButton* widthSpin_ = nullptr;
    fw::SpinButton* heightSpin_ = nullptr;
};
