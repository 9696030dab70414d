#include "editor/ui/RotateFlipDlg.h"

#include "editor/operations/PictureExprBuilders.h"
#include "editor/ui/ScaledPreviewControl.h"
#include "framework/ControlId.h"

RotateFlipDlg::RotateFlipDlg(const PpQnRenderObj& picture, uint32_t colour, bool interpolationAllowed,
                             QWidget* parent, ExprBuilder builder)
    : RotateFlipBase(IDD, picture, interpolationAllowed, parent), colour_(colour), builder_(std::move(builder))
{
    showPreview = 1;
    interpolate = interpolationAllowed ? 1 : 0;
}

RotateFlipDlg::ExprBuilder RotateFlipDlg::DefaultBuilder()
{
    return [](int32_t angle, uint32_t colour, int flipHorizontally, int flipVertically, int interpolate) {
        return MakeRotateExpr(angle, long(colour), flipHorizontally, flipVertically, interpolate);
    };
}

bool RotateFlipDlg::OnInitDialog()
{
    RotateFlipBase::OnInitDialog();
    fw::SetHelpId(preview_, kPreviewHelpId);
    fw::SetHelpId(GetDlgItem(IDC_SHOW_PREVIEW), kShowPreviewHelpId);
    return true;
}

void RotateFlipDlg::UpdatePreview()
{
    UpdateData(true);
    preview_->SetExpression(builder_ ? builder_(angle, colour_, flipHorizontally, flipVertically, interpolate)
                                     : PpQnExpr());
}
