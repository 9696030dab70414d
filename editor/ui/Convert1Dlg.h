// Image > Convert to monochrome: the dithering ("raster") method, with a
// live preview of the conversion that can be switched off.
#pragma once

#include "editor/ui/Conversion.h"
#include "editor/ui/LdHelpDlg.h"

#include <memory>

class CLdPreviewPicture;
class PreviewControl;

class Convert1Dlg : public CLdHelpDlg {
public:
    static constexpr uint32_t IDD = 139;
    static constexpr uint32_t IDC_RASTER = 1036;
    static constexpr uint32_t IDC_SHOW_PREVIEW = 1025;

    Convert1Dlg(std::shared_ptr<CLdPreviewPicture> picture, QWidget* parent = nullptr);

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
    std::shared_ptr<CLdPreviewPicture> picture_;
    PreviewControl* preview_ = nullptr;
    int initialRaster_ = -1;
    int initialPreview_ = 1;
};
