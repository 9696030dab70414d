// Paste into a selection: the pasted picture, in the target's pixel form,
// is stretched onto the selection's box and copied where the mask is set.
#include <cstring>

#include "editor/operations/OperationStrings.h"
#include "editor/operations/PictureFunctions.h"
#include "editor/operations/PictureWorker.h"
#include "picture/CSConv.h"
#include "render/StretchRenderObj.h"

namespace {

// Stretch options: reduce with the averaging method, 1 : 1 and enlarge
// with the smooth one.
constexpr int kStretchReduceAverageEnlargeSmooth = 0x112;

}  // namespace

PpQnExpr PasteIntoSelectionFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    const PpQnPicture target = PictureArg(m, 1, __LINE__);
    const PpQnPicture pasted = PictureArg(m, 2, __LINE__);
    const PpQnRenderObj mask = RenderArg(m, 3, __LINE__);

    const QnRect b = QnIntersectRect(mask->GetRect(QnXFormXY()), target->GetRect(QnXFormXY()));
    const PpQnPicture result(target, 1);
    result->SetHRes(target->GetHRes());
    result->SetVRes(target->GetVRes());
    const QnRect from = pasted->GetRect(QnXFormXY());
    if (b.IsEmpty() || from.IsEmpty())
        return PictureValue(result);

    const int32_t bpp = WorkerBytesPerPixel(*target);
    const PpQnPixConverter converter =
        bpp == 1 ? PpQnPixConverter(PpQnCS(PpQnCS::TO_GRAY)) : PpQnPixConverter(PpQnPixConverter::TAG{});
    const QnStretchRenderObj::PlaneFmt format{bpp, 1, bpp, 1};
    const PpQnRenderObj stretched = PpQnStretchRenderObj(
        QnXFormXY(QnXForm(from.left, from.right, b.left, b.right), QnXForm(from.top, from.bottom, b.top, b.bottom)),
        kStretchReduceAverageEnlargeSmooth, pasted->GetSpacedRender(converter, 0), 1, &format,
        PpQnPixConverter(PpQnPixConverter::TAG{}), -1);

    SourceWindow source(stretched, bpp);
    SourceWindow selected(mask, 1);
    WorkerProgress progress(control, IDS_INSERTING, uint64_t(b.Width()) * uint64_t(b.Height()));
    ForEachTilePiece(result, QnRgn(b), progress, [&](const TilePiece& t) {
        const QnRect& p = t.piece;
        source.Load(p);
        selected.Load(p);
        for (int32_t y = p.top; y < p.bottom; ++y) {
            uint8_t* out = t.At(p.left, y, bpp);
            const uint8_t* in = source.At(p.left, y);
            const uint8_t* keep = selected.At(p.left, y);
            for (int32_t x = 0; x < int32_t(p.Width()); ++x, out += bpp, in += bpp)
                if (keep[x])
                    std::memcpy(out, in, size_t(bpp));
        }
    });
    return PictureValue(result);
}
