// Image > Convert to 4-bit or 8-bit paletted: the standard or an optimized
// palette and the dithering method, with a live preview. Bayer dithering
// is offered with the standard palette only.
#pragma once

#include "editor/ui/Conversion.h"
#include "editor/helpdlg/LdHelpDlg.h"

#include "render/RenderObj.h"

class PreviewControl;
class QComboBox;

class Convert4Dlg : public CLdHelpDlg {
public:
    static constexpr uint32_t IDD = 153;
    static constexpr uint32_t IDC_PALETTE = 1033;
    static constexpr uint32_t IDC_RASTER = 1036;
    static constexpr uint32_t IDC_SHOW_PREVIEW = 1025;

    Convert4Dlg(const PpQnRenderObj& picture, CLdConversionEffect effect, bool fourBit, QWidget* parent = nullptr);

    bool fourBit;
    int paletteIndex = -1;  // 0 standard, 1 optimized
    int showPreview = 1;
    int rasterIndex = -1;   // 0 none, 1 error diffusion, 2 Bayer

    CLdConversion Conversion() const;
    PreviewControl* Preview() const { return preview_; }

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnSelChangePalette();
    void OnSelChangeRaster();
    void OnShowPreview();
    // The fields go back to what the caller gave.
    void OnCancel() override;

protected:
    void CreateControls() override;

private:
    QComboBox* Raster() const;

    PpQnRenderObj picture_;
    CLdConversionEffect effect_;
    PreviewControl* preview_ = nullptr;
    int initial_[3] = {-1, 1, -1};  // palette, preview, raster
};
