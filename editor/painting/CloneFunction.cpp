#include "editor/painting/CloneFunction.h"

#include "editor/builtins/BuiltinRegistration.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/builtins/FlRectPict.h"
#include "editor/builtins/PointValues.h"
#include "editor/builtins/ToolValues.h"
#include "editor/painting/DabWalk.h"
#include "lang/FlInt.h"
#include "lang/MachineContext.h"
#include "picture/CSConv.h"
#include "render/PixConverter.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr const char* kFile = "Lodo40Doc";

QnRect Shifted(const QnRect& r, int32_t dx, int32_t dy) { return QnRect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

} // namespace

PpQnExpr CloneFunction(QnMachineContext& m, int, QnEvalControl*)
{
    const PpQnPicture target = QnCheckedCast<QnPicture>(QnValueOf(*m.arg_get(1)), kFile, __LINE__);
    const PpQnRenderObj mask = QnCheckedCast<QnRenderObj>(QnValueOf(*m.arg_get(2)), kFile, __LINE__);
    const CBrushParams brush =
        QnCheckedCast<FlBrushParams>(QnValueOf(*m.arg_get(3)), kFile, __LINE__)->Params();
    const std::vector<QnPoint> points =
        QnCheckedCast<FlPointArray>(QnValueOf(*m.arg_get(4)), kFile, __LINE__)->Points();
    const PpQnPicture source = QnCheckedCast<QnPicture>(QnValueOf(*m.arg_get(5)), kFile, __LINE__);
    const int32_t dx = QnCheckedCast<QnFlInt>(QnValueOf(*m.arg_get(6)), kFile, __LINE__)->Value();
    const int32_t dy = QnCheckedCast<QnFlInt>(QnValueOf(*m.arg_get(7)), kFile, __LINE__)->Value();

    PpQnPicture picture(target, 1);
    const int32_t size = std::max(brush.size, 1);
    QnRect changed;
    const std::vector<QnRect> squares = DabSquares(points, size, &changed);
    // Inside the selection, the picture, and where the source has pixels.
    changed = QnIntersectRect(changed, mask->GetRect(QnXFormXY()));
    changed = QnIntersectRect(changed, QnRect{0, 0, picture->GetWidth(), picture->GetHeight()});
    changed = QnIntersectRect(changed, Shifted(source->GetRect(QnXFormXY()), dx, dy));
    const int type = picture->Type();
    if (changed.IsEmpty() || (type != WA_RGB24 && type != WA_GRAY))
        return PpQnExpr(PpQnFlVal(MakeFlRectPict(picture, &changed)));

    const int32_t bpp = type == WA_RGB24 ? 3 : 1;
    const PpQnPixConverter converter =
        bpp == 3 ? PpQnPixConverter(PpQnPixConverter::TAG{}) : PpQnPixConverter(PpQnCS(PpQnCS::TO_GRAY));
    const PpQnRenderObj view = source->GetSpacedRender(converter, 0);

    auto lock = BrushDabLock();
    const BrushDabMask dab = MakeBrushDab(size, brush.shape, brush.smooth);
    std::unique_ptr<PictureRowAccess> from;
    QnRect tile;
    WalkDabs(
        picture, mask, squares, changed, dab, bpp,
        [&](const QnRect& t) {
            // The source over the tile part, moved so that each pixel meets
            // the one it takes.
            tile = t;
            from = std::make_unique<PictureRowAccess>(view, bpp, Shifted(t, -dx, -dy));
        },
        [&](const DabArea& a, const QnRect&, const QnRect& c) {
            for (int32_t j = 0; j < a.height; ++j) {
                uint8_t* p = a.pixels + j * a.pixelStride;
                const uint8_t* s = a.selection + j * a.selectionStride;
                const uint8_t* mk = a.mask + j * a.maskStride;
                const uint8_t* src = from->Row(c.top - tile.top + j) + ptrdiff_t(c.left - tile.left) * bpp;
                for (int32_t i = 0; i < a.width; ++i, p += bpp, src += bpp) {
                    if (s[i] == 0)
                        continue;
                    if (brush.smooth == 0) {
                        if (mk[i] == 0)
                            std::copy_n(src, bpp, p);
                        continue;
                    }
                    for (int32_t ch = 0; ch < bpp; ++ch)
                        p[ch] = uint8_t((p[ch] * mk[i] + src[ch] * (255 - mk[i])) / 255);
                }
            }
        });
    return PpQnExpr(PpQnFlVal(MakeFlRectPict(picture, &changed)));
}

QnFunId CloneFunctionId()
{
    static BuiltinSlot slot(CloneFunction, 7);
    return slot.Id();
}

PpQnExpr MakeCloneExpr(const PpQnExpr& picture, const PpQnExpr& mask, const PpQnExpr& brush, const PpQnExpr& points,
                       const PpQnExpr& source, int32_t dx, int32_t dy)
{
    PpQnExpr e(CloneFunctionId(), -1);
    for (const PpQnExpr& arg : {picture, mask, brush, points, source, PpQnExpr(PpQnFlVal(dx)), PpQnExpr(PpQnFlVal(dy))})
        e = PpQnExpr(e, arg);
    return e;
}
