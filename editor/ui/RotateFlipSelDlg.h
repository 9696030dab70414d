// Picture > Rotate&Flip with a selection: the angle, the flips and
// interpolation for the selected part, previewed on a reduced copy of the
// picture with the selection mask reduced the same way.
#pragma once

#include "editor/ui/RotateFlipBase.h"

#include <functional>

class RotateFlipSelDlg : public RotateFlipBase {
public:
    static constexpr uint32_t IDD = 206;

    // The function of a picture and then a mask for the settings.
    using ExprBuilder = std::function<PpQnExpr(int32_t angle, int flipHorizontally, int flipVertically,
                                               int interpolate)>;

    RotateFlipSelDlg(const PpQnRenderObj& picture, const PpQnRenderObj& mask, bool interpolationAllowed,
                     QWidget* parent = nullptr, ExprBuilder builder = DefaultBuilder());

    static ExprBuilder DefaultBuilder();

    void UpdatePreview() override;
    // The mask reduced and placed as the preview's reduced picture; made
    // at the first update.
    const PpQnRenderObj& ReducedMask() const { return reducedMask_; }

private:
    void MakeReducedMask();

    PpQnRenderObj mask_;
    int reducedMaskBuilt_ = 0;
    PpQnRenderObj reducedMask_;
    ExprBuilder builder_;
};
