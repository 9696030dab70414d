#include "editor/painting/FillFunction.h"

#include "editor/builtins/BuiltinRegistration.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/builtins/ToolValues.h"
#include "editor/operations/DibExport.h"
#include "editor/operations/PictureRowAccess.h"
#include "editor/painting/DabWalk.h"
#include "editor/operations/PixelColor.h"
#include "editor/operations/RgnFinder.h"
#include "editor/operations/TileWalk.h"
#include "editor/operations/UserAbortExcept.h"
#include "editor/painting/FillPatterns.h"
#include "editor/painting/PaintingStrings.h"
#include "lang/FlInt.h"
#include "lang/MachineContext.h"
#include "lang/ProgressIndicatorAuto.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr const char* kFile = "Lodo40Doc";

// 255 over the colour range found around the point, 0 elsewhere, over the
// fill area's rectangle (rows top-down).
std::vector<uint8_t> ColourRangeMask(const PpQnPicture& picture, const QnRect& area, const QnPoint& p,
                                     int32_t tolerance)
{
    const PpQnRenderObj obj(picture);
    const QnRgn found = ColourRangeSelection(RenderObjToDib(obj, 3), p, GetRenderObjPixelColor(obj, p), tolerance);
    const int32_t w = int32_t(area.Width()), h = int32_t(area.Height());
    std::vector<uint8_t> mask(size_t(w) * size_t(h), 0);
    for (const QnRect& r : found.rects()) {
        const QnRect part = QnIntersectRect(r, area);
        for (int32_t y = part.top; y < part.bottom; ++y)
            std::fill_n(&mask[size_t(y - area.top) * size_t(w) + size_t(part.left - area.left)],
                        size_t(part.Width()), uint8_t(255));
    }
    return mask;
}

} // namespace

PpQnExpr FillFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    const PpQnPicture source = QnCheckedCast<QnPicture>(QnValueOf(*m.arg_get(1)), kFile, __LINE__);
    const PpQnRenderObj mask = QnCheckedCast<QnRenderObj>(QnValueOf(*m.arg_get(2)), kFile, __LINE__);
    const CFillParams fill = QnCheckedCast<FlFillParams>(QnValueOf(*m.arg_get(3)), kFile, __LINE__)->Params();
    const int32_t x = QnCheckedCast<QnFlInt>(QnValueOf(*m.arg_get(4)), kFile, __LINE__)->Value();
    const int32_t y = QnCheckedCast<QnFlInt>(QnValueOf(*m.arg_get(5)), kFile, __LINE__)->Value();

    const QnRect area =
        QnIntersectRect(mask->GetRect(QnXFormXY()), QnRect{0, 0, source->GetWidth(), source->GetHeight()});
    PpQnPicture picture(source, 1);
    const int32_t w = int32_t(area.Width()), h = int32_t(area.Height());
    const uint64_t total = uint64_t(w) * uint64_t(h);
    QnProgressIndicatorAuto progress(control, 0);
    progress.Show(1);
    progress.SetText(PaintingString(IDS_FILLING).c_str());
    progress.SetProgress(0, ProgressUnits(total, total));
    if (area.IsEmpty() || (fill.region != 0 && fill.region != 1))
        return PpQnExpr(PpQnFlVal(picture));

    std::vector<uint8_t> range;
    if (fill.region == 1)
        range = ColourRangeMask(picture, area, QnPoint{x, y}, fill.tolerance);

    const int32_t bpp = picture->Type() == WA_RGB24 ? 3 : 1;
    // Levels of the two colours per channel, in the pixels' byte order.
    const auto levels = [bpp](uint32_t c) {
        const int32_t r = int32_t(c & 0xFF), g = int32_t((c >> 8) & 0xFF), b = int32_t((c >> 16) & 0xFF);
        return bpp == 3 ? std::vector<int32_t>{b, g, r} : std::vector<int32_t>{(r + g + b) / 3};
    };
    const std::vector<int32_t> from = levels(fill.color1), to = levels(fill.color2);

    uint64_t done = 0;
    WalkTileParts(picture, area, [&](PpQnPixBuf& tile, const QnRect& tileRect, const QnRect& t) {
        const PictureRowAccess selection(mask, 1, t);
        for (int32_t py = t.top; py < t.bottom; ++py) {
            uint8_t* row = tile->Row(py - tileRect.top);
            const uint8_t* s = selection.Row(py - t.top);
            const uint8_t* found =
                range.empty() ? nullptr : &range[size_t(py - area.top) * size_t(w) + size_t(t.left - area.left)];
            for (int32_t px = t.left; px < t.right; ++px) {
                const int32_t i = px - t.left;
                if (s[i] == 0 || (found && found[i] == 0))
                    continue;
                uint8_t* p = row + ptrdiff_t(px - tileRect.left) * bpp;
                for (int32_t c = 0; c < bpp; ++c)
                    p[c] = uint8_t(std::clamp(FillPatternLevel(fill.kind, from[size_t(c)], to[size_t(c)], w, h,
                                                               px - area.left, py - area.top),
                                              0, 255));
            }
        }
        done += uint64_t(t.Width()) * uint64_t(t.Height());
        ThrowIfAborted(&progress, kFile, __LINE__);
        progress.SetProgress(ProgressUnits(done, total), ProgressUnits(total, total));
    });
    return PpQnExpr(PpQnFlVal(picture));
}

QnFunId FillFunctionId()
{
    static BuiltinSlot slot(FillFunction, 5);
    return slot.Id();
}

PpQnExpr MakeFillExpr(const PpQnExpr& picture, const PpQnExpr& mask, const PpQnExpr& fill, int32_t x, int32_t y)
{
    PpQnExpr e(FillFunctionId(), -1);
    for (const PpQnExpr& arg : {picture, mask, fill, PpQnExpr(PpQnFlVal(x)), PpQnExpr(PpQnFlVal(y))})
        e = PpQnExpr(e, arg);
    return e;
}
