#include "editor/painting/TextFunction.h"

#include "base/QnExcept.h"
#include "editor/builtins/BuiltinRegistration.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/builtins/FlRectPict.h"
#include "editor/builtins/PointValues.h"
#include "editor/builtins/ToolValues.h"
#include "editor/operations/PictureRowAccess.h"
#include "editor/painting/DabWalk.h"
#include "editor/ui/LdMask.h"
#include "lang/MachineContext.h"

#include <algorithm>
#include <limits>

namespace {

constexpr const char* kFile = "Lodo40Doc";
constexpr int32_t kScale = 3;

uint32_t AlignmentFormat(int32_t alignment)
{
    switch (alignment) {
    case 1: return LD_DT_CENTER;
    case 2: return LD_DT_RIGHT;
    default: return LD_DT_LEFT;
    }
}

// Blends colour into the picture through the text mask (origin at the
// text's top-left corner) inside changed and the selection.
void LayTextMask(const PpQnPicture& picture, const PpQnRenderObj& selectionMask, const QnRect& changed,
                 const QnPoint& origin, const CLdMask& text, uint32_t colour)
{
    const int type = picture->Type();
    if (type != WA_RGB24 && type != WA_GRAY)
        return;
    const int32_t bpp = type == WA_RGB24 ? 3 : 1;
    const int32_t r = int32_t(colour & 0xFF), g = int32_t((colour >> 8) & 0xFF), b = int32_t((colour >> 16) & 0xFF);
    const int32_t levels[3] = {bpp == 3 ? b : (r + g + b) / 3, g, r};
    const uint8_t* bits = text.GetBits();
    const int32_t stride = text.GetRowBytes(), height = text.GetSize().height();
    WalkTileParts(picture, changed, [&](PpQnPixBuf& tile, const QnRect& tileRect, const QnRect& t) {
        const PictureRowAccess selection(selectionMask, 1, t);
        for (int32_t y = t.top; y < t.bottom; ++y) {
            uint8_t* row = tile->Row(y - tileRect.top);
            const uint8_t* s = selection.Row(y - t.top);
            // Image row y - origin.y of a bottom-up mask.
            const uint8_t* m = bits + ptrdiff_t(height - 1 - (y - origin.y)) * stride;
            for (int32_t x = t.left; x < t.right; ++x) {
                if (s[x - t.left] == 0)
                    continue;
                const int32_t k = m[x - origin.x];
                uint8_t* p = row + ptrdiff_t(x - tileRect.left) * bpp;
                for (int32_t c = 0; c < bpp; ++c)
                    p[c] = uint8_t((k * p[c] + (255 - k) * levels[c]) / 255);
            }
        }
    });
}

} // namespace

QnRect MakeTextMask(const CTextParams& params, CLdMask& mask)
{
    const QString text = " " + QString::fromStdString(params.text) + " ";
    // The size is whatever the user typed: a font no number holds is refused
    // before the arithmetic wraps.
    const int64_t tenths = int64_t(params.ints[0]) * 10 * kScale;
    if (tenths > std::numeric_limits<int32_t>::max())
        QnExcept("The text is too large.", kFile, __LINE__).raise();
    CLdLogFont font = LdPointFont(int32_t(tenths), params.face);
    font.italic = (params.ints[1] & 0xFF) != 0;
    font.weight = params.ints[2] ? 700 : 400;
    font.underline = (params.ints[3] & 0xFF) != 0;
    const uint32_t format = AlignmentFormat(params.ints[4]);
    mask.SelectFont(font);
    const QSize size = mask.MeasureText(text, format);
    const int32_t w = std::max(size.width() / kScale, 1), h = std::max(size.height() / kScale, 1);
    mask.Begin(w, h, true, kScale);
    mask.DrawText(text, QnRect{0, 0, w, h}, format | LD_DT_NOCLIP);
    mask.End();
    return QnRect{0, 0, w, h};
}

PpQnExpr TextFunction(QnMachineContext& m, int, QnEvalControl*)
{
    const PpQnPicture source = QnCheckedCast<QnPicture>(QnValueOf(*m.arg_get(1)), kFile, __LINE__);
    const PpQnRenderObj selection = QnCheckedCast<QnRenderObj>(QnValueOf(*m.arg_get(2)), kFile, __LINE__);
    const CTextParams params = QnCheckedCast<FlTextParams>(QnValueOf(*m.arg_get(3)), kFile, __LINE__)->Params();
    const QnPoint at = QnCheckedCast<FlPoint>(QnValueOf(*m.arg_get(4)), kFile, __LINE__)->Point();

    PpQnPicture picture(source, 1);
    CLdMask mask;
    const QnRect r = MakeTextMask(params, mask);
    QnRect changed = QnIntersectRect(QnRect{at.x, at.y, at.x + r.right, at.y + r.bottom}, selection->GetRect(QnXFormXY()));
    // The picture's edges bound the walk as well: a selection may reach past them.
    const QnRect drawn = QnIntersectRect(changed, QnRect{0, 0, picture->GetWidth(), picture->GetHeight()});
    LayTextMask(picture, selection, drawn, at, mask, uint32_t(params.ints[5]));
    return PpQnExpr(PpQnFlVal(MakeFlRectPict(picture, &changed)));
}

QnFunId TextFunctionId()
{
    static BuiltinSlot slot(TextFunction, 4);
    return slot.Id();
}

PpQnExpr MakeTextExpr(const PpQnExpr& picture, const PpQnExpr& mask, const PpQnExpr& text, const PpQnExpr& point)
{
    PpQnExpr e(TextFunctionId(), -1);
    for (const PpQnExpr& arg : {picture, mask, text, point})
        e = PpQnExpr(e, arg);
    return e;
}
