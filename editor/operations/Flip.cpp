// Mirrors without resampling: the whole picture, or the selected part within
// the selection's box.
#include <cstring>

#include "editor/operations/OperationStrings.h"
#include "editor/operations/PictureFunctions.h"
#include "editor/operations/PictureWorker.h"

namespace {

// The source rectangle of a piece mirrored within box on the flagged axes.
QnRect Mirrored(const QnRect& piece, const QnRect& box, bool h, bool v)
{
    QnRect r = piece;
    if (h)
        r.left = box.left + box.right - piece.right, r.right = box.left + box.right - piece.left;
    if (v)
        r.top = box.top + box.bottom - piece.bottom, r.bottom = box.top + box.bottom - piece.top;
    return r;
}

}  // namespace

PpQnExpr FlipFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    const bool h = IntArg(m, 1, __LINE__) != 0;
    const bool v = IntArg(m, 2, __LINE__) != 0;
    const PpQnPicture picture = PictureArg(m, 3, __LINE__);
    if (!h && !v)
        return PictureValue(picture);

    const QnRect a = picture->GetRect(QnXFormXY());
    const int32_t width = int32_t(a.Width()), height = int32_t(a.Height());
    const int type = picture->Type();
    PALETTEENTRY palette[256] = {};
    if (type == WA_4BIT || type == WA_8BIT)
        picture->GetPaletteEntries(0, 256, palette);
    const PpQnPicture result(width, height, type, palette);
    result->SetHRes(picture->GetHRes());
    result->SetVRes(picture->GetVRes());

    const int32_t bpp = WorkerBytesPerPixel(*picture);
    const QnRect box{0, 0, width, height};
    SourceWindow source(PpQnRenderObj(picture), bpp);
    WorkerProgress progress(control, IDS_FLIPPING, uint64_t(width) * uint64_t(height));
    ForEachTilePiece(result, QnRgn(box), progress, [&](const TilePiece& t) {
        const QnRect& p = t.piece;
        const QnRect from = Mirrored(p, box, h, v);
        source.Load(QnRect{from.left + a.left, from.top + a.top, from.right + a.left, from.bottom + a.top});
        for (int32_t y = p.top; y < p.bottom; ++y) {
            const int32_t sy = (v ? height - 1 - y : y) + a.top;
            uint8_t* out = t.At(p.left, y, bpp);
            if (!h) {
                std::memcpy(out, source.At(from.left + a.left, sy), size_t(p.Width() * bpp));
                continue;
            }
            const uint8_t* in = source.At(width - 1 - p.left + a.left, sy);
            for (int32_t x = p.left; x < p.right; ++x, out += bpp, in -= bpp)
                std::memcpy(out, in, size_t(bpp));
        }
    });
    return PictureValue(result);
}

PpQnExpr FlipSelectionFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    const bool h = IntArg(m, 1, __LINE__) != 0;
    const bool v = IntArg(m, 2, __LINE__) != 0;
    const PpQnPicture picture = PictureArg(m, 3, __LINE__);
    const PpQnRenderObj mask = RenderArg(m, 4, __LINE__);
    if (!h && !v)
        return PictureValue(picture);

    const QnRect b = QnIntersectRect(mask->GetRect(QnXFormXY()), picture->GetRect(QnXFormXY()));
    const PpQnPicture result(picture, 1);
    const int32_t bpp = WorkerBytesPerPixel(*picture);
    SourceWindow source(PpQnRenderObj(picture), bpp);
    SourceWindow selected(mask, 1);
    WorkerProgress progress(control, IDS_FLIPPING, uint64_t(b.Width()) * uint64_t(b.Height()));
    ForEachTilePiece(result, QnRgn(b), progress, [&](const TilePiece& t) {
        const QnRect& p = t.piece;
        const QnRect from = Mirrored(p, b, h, v);
        source.Load(from);
        selected.Load(from);
        for (int32_t y = p.top; y < p.bottom; ++y) {
            const int32_t sy = v ? b.top + b.bottom - 1 - y : y;
            uint8_t* out = t.At(p.left, y, bpp);
            for (int32_t x = p.left; x < p.right; ++x, out += bpp) {
                const int32_t sx = h ? b.left + b.right - 1 - x : x;
                if (*selected.At(sx, sy))
                    std::memcpy(out, source.At(sx, sy), size_t(bpp));
            }
        }
    });
    return PictureValue(result);
}
