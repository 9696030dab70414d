// Image > Convert to monochrome: the dithering ("raster") method, with a
// live preview of the conversion that can be switched off.
#pragma once

#include "editor/ui/Conversion.h"
#include "editor/helpdlg/LdHelpDlg.h"

#include "render/RenderObj.h"

class PreviewControl;

class Convert1Dlg : public CLdHelpDlg {
public:
    static constexpr uint32_t IDD = 139;
    static constexpr uint32_t IDC_RASTER = 1036;
    static constexpr uint32_t IDC_SHOW_PREVIEW = 1025;

    Convert1Dlg(const PpQnRenderObj& picture, CLdConversionEffect effect, QWidget* parent = nullptr);

    int rasterIndex = -1;
    int showPreview = 1;

    // The conversion the fields describe.
    CLdConversion Conversion() const;
    PreviewControl* Preview() const { return preview_; }

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnSelChangeRaster();
    void OnShowPreview();
    // The fields go back to what the caller gave.
    void OnCancel() override;

protected:
    void CreateControls() override;

private:
    PpQnRenderObj picture_;
    CLdConversionEffect effect_;
    PreviewControl* preview_ = nullptr;
    int initialRaster_ = -1;
    int initialPreview_ = 1;
};
