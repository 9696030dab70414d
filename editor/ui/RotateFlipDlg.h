// Picture > Rotate&Flip without a selection: the angle, the flips and
// interpolation for the whole picture, previewed on a reduced copy.
#pragma once

#include "editor/ui/RotateFlipBase.h"

#include <functional>

class RotateFlipDlg : public RotateFlipBase {
public:
    static constexpr uint32_t IDD = 154;
    // Context help of the preview and its switch: the topics of the same
    // two controls of the monochrome conversion dialog.
    static constexpr uint32_t kPreviewHelpId = 0x808B0404;
    static constexpr uint32_t kShowPreviewHelpId = 0x808B0401;

    // The function of one picture for the settings: the rotation or flip.
    using ExprBuilder = std::function<PpQnExpr(int32_t angle, uint32_t colour, int flipHorizontally,
                                               int flipVertically, int interpolate)>;

    RotateFlipDlg(const PpQnRenderObj& picture, uint32_t colour, bool interpolationAllowed, QWidget* parent = nullptr,
                  ExprBuilder builder = DefaultBuilder());

    static ExprBuilder DefaultBuilder();

    bool OnInitDialog() override;
    void UpdatePreview() override;

private:
    uint32_t colour_;
    ExprBuilder builder_;
};
