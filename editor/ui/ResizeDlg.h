// Picture > Resize and Picture > Resample: the new size in inches,
// centimetres or pixels, and the new resolution, typed, chosen from a list
// or taken from the screen or the default printer. Keep proportions holds
// the picture's aspect; Reset goes back to the values the dialog opened with.
#pragma once

#include "editor/helpdlg/LdHelpDlg.h"

#include <cstdint>
#include <string>

class ResizeDlg : public CLdHelpDlg {
public:
    static constexpr uint32_t IDD = 142;
    static constexpr uint32_t IDC_WIDTH = 103;
    static constexpr uint32_t IDC_HEIGHT = 105;
    static constexpr uint32_t IDC_KEEP_PROPORTIONS = 106;
    static constexpr uint32_t IDC_INCHES = 108;
    static constexpr uint32_t IDC_CENTIMETRES = 109;
    static constexpr uint32_t IDC_PIXELS = 110;
    static constexpr uint32_t IDC_SCREEN = 112;
    static constexpr uint32_t IDC_PRINTER = 113;
    static constexpr uint32_t IDC_CUSTOM = 114;
    static constexpr uint32_t IDC_RESET = 119;
    static constexpr uint32_t IDC_HRES = 1011;
    static constexpr uint32_t IDC_VRES = 1040;

    enum Units { Inches = 0, Centimetres = 1, Pixels = 2 };
    enum Source { Screen = 0, Printer = 1, Custom = 2 };

    ResizeDlg(int32_t width, int32_t height, int32_t hRes, int32_t vRes, int resample, QWidget* parent = nullptr);

    int units = Pixels;
    int resolutionSource = Custom;
    int keepProportions = 1;
    std::string hResText;
    std::string vResText;
    std::string heightText;
    std::string widthText;
    int32_t width;
    int32_t height;
    int32_t hRes;
    int32_t vRes;
    const int32_t initialWidth;
    const int32_t initialHeight;
    const int32_t initialHRes;
    const int32_t initialVRes;
    const int resample;
    const double proportion;

    // A length text in the current units as pixels at resolution.
    int32_t ReadLength(const std::string& text, int32_t resolution) const;
    // Pixels at resolution as a text in the current units.
    std::string FormatLength(int32_t pixels, int32_t resolution) const;

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnOK() override;
    void OnCommand(uint32_t id) override;
    void OnKillFocusWidth();
    void OnKillFocusHeight();
    void OnKeepProportions();
    void OnScreen();
    void OnPrinter();
    void OnSelChangeResolution(uint32_t comboId);
    // Units, Custom, or a resolution box left: the texts follow the values.
    void OnRefresh();
    void OnReset();

protected:
    void CreateControls() override;

private:
    // Shows the values and sets what is enabled.
    void ShowValues();
    void SetResolutions(int32_t x, int32_t y);
};
