#include "editor/operations/CropToSelection.h"

#include "editor/builtins/BuiltinRegistration.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/operations/OperationStrings.h"
#include "editor/operations/PictureRowAccess.h"
#include "editor/operations/TileWalk.h"
#include "editor/operations/UserAbortExcept.h"
#include "lang/MachineContext.h"
#include "lang/ProgressIndicatorAuto.h"
#include "picture/SilentExcept.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr const char* kFile = "CropToSelection";

} // namespace

PpQnExpr CropToSelectionFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    const PpQnPicture source = QnCheckedCast<QnPicture>(QnValueOf(*m.arg_get(1)), kFile, __LINE__);
    const PpQnRenderObj mask = QnCheckedCast<QnRenderObj>(QnValueOf(*m.arg_get(2)), kFile, __LINE__);
    const QnRect whole{0, 0, source->GetWidth(), source->GetHeight()};
    const QnRect r = QnIntersectRect(mask->GetRect(QnXFormXY()), whole);
    if (r.left == whole.left && r.top == whole.top && r.right == whole.right && r.bottom == whole.bottom)
        return PpQnExpr(PpQnFlVal(source));

    // A selection wholly outside the picture leaves nothing to copy.
    if (r.IsEmpty())
        throw QnSilentExcept();
    const int32_t w = int32_t(r.Width()), h = int32_t(r.Height());
    PpQnPicture result(w, h, source->Type(), nullptr);
    result->SetHRes(source->GetHRes());
    result->SetVRes(source->GetVRes());
    const int32_t bpp = source->Type() == WA_RGB24 ? 3 : 1;
    QnProgressIndicatorAuto progress(control, 0);
    progress.Show(1);
    const std::string caption = OperationString(IDS_CROPPING);
    progress.SetText(caption.c_str());
    const uint64_t total = uint64_t(w) * uint64_t(h);
    progress.SetProgress(0, ProgressUnits(total, total));
    uint64_t done = 0;
    const PpQnRenderObj from(source);
    constexpr int32_t kTile = QnPicture::kTile;
    for (int32_t ty = 0; ty < h; ty += kTile)
        for (int32_t tx = 0; tx < w; tx += kTile) {
            QnRect tileRect;
            PpQnPixBuf tile = result->GetAccessToBuffer(0, QnPoint{tx, ty}, &tileRect);
            const QnRect shifted{tileRect.left + r.left, tileRect.top + r.top, tileRect.right + r.left,
                                 tileRect.bottom + r.top};
            const PictureRowAccess rows(from, bpp, shifted);
            for (int32_t y = 0; y < int32_t(tileRect.Height()); ++y)
                std::memcpy(tile->Row(y), rows.Row(y), size_t(tileRect.Width()) * size_t(bpp));
            done += uint64_t(tileRect.Width()) * uint64_t(tileRect.Height());
            ThrowIfAborted(&progress, kFile, __LINE__);
            progress.SetProgress(ProgressUnits(done, total), ProgressUnits(total, total));
        }
    return PpQnExpr(PpQnFlVal(result));
}

PpQnExpr MakeCropToSelectionExpr(const PpQnExpr& picture, const PpQnExpr& mask)
{
    static BuiltinSlot slot(CropToSelectionFunction, 2);
    return PpQnExpr(PpQnExpr(PpQnExpr(slot.Id(), -1), picture), mask);
}
