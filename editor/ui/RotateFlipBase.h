// What the two Rotate and Flip dialogs share: an angle typed or chosen
// from a list, two flips, interpolation where the picture allows it, and a
// live preview of the result on a reduced copy of the picture.
#pragma once

#include "editor/helpdlg/LdHelpDlg.h"
#include "lang/Expr.h"
#include "render/RenderObj.h"

#include <cstdint>
#include <string>

class ScaledPreviewControl;

class RotateFlipBase : public CLdHelpDlg {
public:
    static constexpr uint32_t IDC_ANGLE = 1012;
    static constexpr uint32_t IDC_SHOW_PREVIEW = 1025;
    static constexpr uint32_t IDC_FLIP_HORIZONTALLY = 1047;
    static constexpr uint32_t IDC_FLIP_VERTICALLY = 1049;
    static constexpr uint32_t IDC_INTERPOLATE = 1051;
    static constexpr size_t kMaxAngleChars = 4;

    int showPreview = 0;
    int flipHorizontally = 0;
    int flipVertically = 0;
    std::string angleText;
    int interpolate = 0;
    int32_t angle = 0;

    ScaledPreviewControl* Preview() const { return preview_; }
    bool InterpolationAllowed() const { return interpolationAllowed_; }

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnShowPreview();
    // A flip or Interpolate clicked, or the angle box left.
    void OnSettingChanged();
    void OnSelChangeAngle();
    // The preview gets the function the settings describe.
    virtual void UpdatePreview() = 0;

protected:
    RotateFlipBase(uint32_t templateId, const PpQnRenderObj& picture, bool interpolationAllowed, QWidget* parent);
    void CreateControls() override;

    PpQnRenderObj picture_;
    const bool interpolationAllowed_;
    ScaledPreviewControl* preview_ = nullptr;
};
