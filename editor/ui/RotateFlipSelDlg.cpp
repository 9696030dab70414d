// The compiler's headers come before Qt's, whose "slots" macro they would
// meet otherwise.
#include "lang/CompApply.h"
#include "lang/CompConst.h"
#include "lang/CompLambda.h"
#include "lang/CompVar.h"
#include "lang/CompileFlExpr.h"

#include "editor/ui/RotateFlipSelDlg.h"

#include "editor/operations/PictureExprBuilders.h"
#include "editor/operations/ShiftedObj.h"
#include "editor/operations/TileWalk.h"
#include "editor/ui/ScaledPreviewControl.h"
#include "picture/Picture.h"
#include "render/PixConverter.h"
#include "render/StretchRenderObj.h"

namespace {

// Reduce with method 2, 1 : 1 and enlarge with method 1.
constexpr int kSmoothStretch = 0x112;

}  // namespace

RotateFlipSelDlg::RotateFlipSelDlg(const PpQnRenderObj& picture, const PpQnRenderObj& mask,
                                   bool interpolationAllowed, QWidget* parent, ExprBuilder builder)
    : RotateFlipBase(IDD, picture, interpolationAllowed, parent), mask_(mask), builder_(std::move(builder))
{
}

RotateFlipSelDlg::ExprBuilder RotateFlipSelDlg::DefaultBuilder()
{
    return [](int32_t angle, int flipHorizontally, int flipVertically, int interpolate) {
        return MakeRotateSelectionExpr(angle, flipHorizontally, flipVertically, interpolate);
    };
}

void RotateFlipSelDlg::MakeReducedMask()
{
    QnXFormXY fit;
    preview_->GetFitTransform(fit);
    const QnStretchRenderObj::PlaneFmt format{1, 1, 1, 1};
    const PpQnStretchRenderObj stretched(fit, kSmoothStretch, mask_, 1, &format,
                                         PpQnPixConverter(PpQnPixConverter::TAG{}), -1);
    // The mask's rectangle under the fit (a mask answers its own rectangle
    // under any transform; the stretch answers the mapped one).
    const QnRect r = stretched->GetRect(QnXFormXY());
    const PpQnPicture reduced(int32_t(r.Width()), int32_t(r.Height()), WA_GRAY, nullptr);
    // The picture's tiles start at (0, 0): the stretched mask is read
    // moved there.
    uint64_t done = 0;
    CopyIntoTiles(PpQnRenderObj(PpQnShiftedObj(PpQnRenderObj(stretched), -r.left, -r.top)), reduced, nullptr, done,
                  0, "RotateFlipSelDlg");
    reducedMask_ = PpQnRenderObj(PpQnShiftedObj(PpQnRenderObj(reduced), r.left, r.top));
    reducedMaskBuilt_ = 1;
}

void RotateFlipSelDlg::UpdatePreview()
{
    if (!reducedMaskBuilt_)
        MakeReducedMask();
    if (!builder_) {
        preview_->SetExpression(PpQnExpr());
        return;
    }
    const PpQnExpr e = builder_(angle, flipHorizontally, flipVertically, interpolate);
    // p -> e p mask
    const PpQnCompVar p(QnCompVar::NEW_VAR);
    const PpQnComp body = PpQnCompApply(PpQnCompApply(PpQnCompConst(e), p), PpQnCompConst(PpQnFlVal(reducedMask_)));
    preview_->SetExpression(QnCompileFlExpr(PpQnCompLambda(p, body)));
}
