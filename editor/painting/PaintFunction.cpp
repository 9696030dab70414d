#include "editor/painting/PaintFunction.h"

#include "editor/builtins/BuiltinRegistration.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/builtins/FlRectPict.h"
#include "editor/builtins/PointValues.h"
#include "editor/builtins/ToolValues.h"
#include "editor/operations/PictureRowAccess.h"
#include "editor/painting/DabWalk.h"
#include "lang/MachineContext.h"

#include <algorithm>
#include <vector>

namespace {

constexpr const char* kFile = "Lodo40Doc";

// The same stroke always sprays the same pixels, so that evaluating it again
// (after an undo, or when a cache was dropped) gives the picture seen.
uint32_t SpraySeed(const std::vector<QnPoint>& points, const QnPoint& start)
{
    uint32_t seed = 2166136261u;
    const auto mix = [&seed](int32_t v) { seed = (seed ^ uint32_t(v)) * 16777619u; };
    mix(start.x);
    mix(start.y);
    mix(int32_t(points.size()));
    if (!points.empty()) {
        mix(points.front().x);
        mix(points.front().y);
        mix(points.back().x);
        mix(points.back().y);
    }
    return seed;
}

void Smudge(const PpQnPicture& picture, const PpQnRenderObj& mask, const std::vector<QnRect>& squares,
            const QnPoint& start, const BrushDabMask& dab, int32_t bpp)
{
    for (const QnRect& s : squares) {
        const int32_t dx = (s.left + s.right) / 2 - start.x, dy = (s.top + s.bottom) / 2 - start.y;
        // Each dab reads what the one before wrote.
        const PictureRowAccess source(PpQnRenderObj(picture), bpp, s);
        const PictureRowAccess selection(mask, 1, s);
        PictureRowAccess out(picture, s);
        BrushDabSmudge(SmudgeRows{source.Base(), source.Stride(), selection.Base(), selection.Stride(), out.Base(),
                                  out.Stride(), dab.StoredRow(0), dab.stride, int32_t(s.Width()),
                                  int32_t(s.Height()), bpp},
                       dx, dy);
    }
}

void PaintTiles(const PpQnPicture& picture, const PpQnRenderObj& mask, const std::vector<QnRect>& squares,
                const QnRect& changed, const CBrushParams& brush, const BrushDabMask& dab, int32_t bpp,
                const uint8_t* colour, platform::WinRand& rand)
{
    WalkDabs(picture, mask, squares, changed, dab, bpp, [](const QnRect&) {},
             [&](const DabArea& area, const QnRect&, const QnRect&) {
                 switch (brush.mode) {
                 case BRUSH_COLOR: BrushDabColor(area, colour, brush.smooth); break;
                 case BRUSH_AIR: BrushDabAir(area, colour, brush.smooth, rand); break;
                 case BRUSH_LIGHTER: BrushDabShade(area, +1, brush.smooth); break;
                 case BRUSH_DARKER: BrushDabShade(area, -1, brush.smooth); break;
                 default: break;
                 }
             });
}

} // namespace

PpQnExpr PaintFunction(QnMachineContext& m, int, QnEvalControl*)
{
    const PpQnPicture source = QnCheckedCast<QnPicture>(QnValueOf(*m.arg_get(1)), kFile, __LINE__);
    const PpQnRenderObj mask = QnCheckedCast<QnRenderObj>(QnValueOf(*m.arg_get(2)), kFile, __LINE__);
    const CBrushParams brush =
        QnCheckedCast<FlBrushParams>(QnValueOf(*m.arg_get(3)), kFile, __LINE__)->Params();
    const std::vector<QnPoint> points =
        QnCheckedCast<FlPointArray>(QnValueOf(*m.arg_get(4)), kFile, __LINE__)->Points();
    const QnPoint start = QnCheckedCast<FlPoint>(QnValueOf(*m.arg_get(5)), kFile, __LINE__)->Point();

    PpQnPicture picture(source, 1);
    const int32_t size = std::max(brush.size, 1);
    QnRect changed;
    const std::vector<QnRect> squares = DabSquares(points, size, &changed);
    // Painting stays inside the selection and inside the picture, whatever
    // the points: a selection may reach beyond the picture's edges.
    changed = QnIntersectRect(changed, mask->GetRect(QnXFormXY()));
    changed = QnIntersectRect(changed, QnRect{0, 0, picture->GetWidth(), picture->GetHeight()});
    const int type = picture->Type();
    if (changed.IsEmpty() || (type != WA_RGB24 && type != WA_GRAY))
        return PpQnExpr(PpQnFlVal(MakeFlRectPict(picture, &changed)));

    const int32_t bpp = type == WA_RGB24 ? 3 : 1;
    const uint8_t red = uint8_t(brush.color), green = uint8_t(brush.color >> 8), blue = uint8_t(brush.color >> 16);
    const uint8_t colour[3] = {bpp == 3 ? blue : uint8_t((red + green + blue) / 3), green, red};

    auto lock = BrushDabLock();
    const BrushDabMask dab = MakeBrushDab(size, brush.shape, brush.smooth);
    if (brush.mode == BRUSH_SMUDGE) {
        Smudge(picture, mask, squares, start, dab, bpp);
    } else {
        platform::WinRand rand(SpraySeed(points, start));
        PaintTiles(picture, mask, squares, changed, brush, dab, bpp, colour, rand);
    }
    return PpQnExpr(PpQnFlVal(MakeFlRectPict(picture, &changed)));
}

QnFunId PaintFunctionId()
{
    static BuiltinSlot slot(PaintFunction, 5);
    return slot.Id();
}

PpQnExpr MakePaintExpr(const PpQnExpr& picture, const PpQnExpr& mask, const PpQnExpr& brush,
                       const PpQnExpr& points, const PpQnExpr& start)
{
    PpQnExpr e(PaintFunctionId(), -1);
    for (const PpQnExpr* arg : {&picture, &mask, &brush, &points, &start})
        e = PpQnExpr(e, *arg);
    return e;
}
