// Stitch: two pictures placed at an offset from each other in the smallest
// rectangle that holds both; the uncovered part takes a background colour
// and the overlap mixes the two by a weight.
#include <algorithm>
#include <cstring>

#include "editor/operations/OperationStrings.h"
#include "editor/operations/PictureFunctions.h"
#include "editor/operations/PictureWorker.h"
#include "picture/CSConv.h"

namespace {

bool IsGreyish(const QnPicture& p) { return p.Type() == WA_1BIT || p.Type() == WA_GRAY; }

QnRect Moved(const QnRect& r, int32_t dx, int32_t dy)
{
    return QnRect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// One placed picture read in the output's pixel form.
struct Placed {
    Placed(const PpQnPicture& picture, int outType, int32_t dx, int32_t dy)
        : window(picture->Type() == outType ? PpQnRenderObj(picture)
                                            : picture->GetSpacedRender(outType == WA_GRAY
                                                                           ? PpQnPixConverter(PpQnCS(PpQnCS::TO_GRAY))
                                                                           : PpQnPixConverter(PpQnPixConverter::TAG{}),
                                                                       0),
                 outType == WA_GRAY ? 1 : 3),
          rect(Moved(picture->GetRect(QnXFormXY()), dx, dy)), dx(dx), dy(dy)
    {
    }
    // Loads the picture's pixels under piece (placed coordinates).
    void Load(const QnRect& piece) { window.Load(Moved(piece, -dx, -dy)); }
    const uint8_t* At(int32_t x, int32_t y) const { return window.At(x - dx, y - dy); }

    SourceWindow window;
    QnRect rect;
    int32_t dx, dy;
};

}  // namespace

PpQnExpr StitchFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    const PpQnPicture first = PictureArg(m, 1, __LINE__);
    const PpQnPicture second = PictureArg(m, 2, __LINE__);
    const int32_t dx = IntArg(m, 3, __LINE__);
    const int32_t dy = IntArg(m, 4, __LINE__);
    const int32_t percent = std::clamp(IntArg(m, 5, __LINE__), 0, 100);
    const uint32_t colour = uint32_t(IntArg(m, 6, __LINE__));

    const int outType = IsGreyish(*first) && IsGreyish(*second) ? WA_GRAY : WA_RGB24;
    const int32_t bpp = outType == WA_GRAY ? 1 : 3;
    Placed one(first, outType, std::max(0, -dx), std::max(0, -dy));
    Placed two(second, outType, std::max(0, dx), std::max(0, dy));
    const QnRect u = QnExtendBox(one.rect, two.rect);
    const int32_t width = int32_t(u.Width()), height = int32_t(u.Height());

    PpQnPicture result(width, height, outType, nullptr);
    result->SetHRes(first->GetHRes());
    result->SetVRes(first->GetVRes());
    // The output's pixel (x, y) is the placed point (x + u.left, y + u.top).
    const auto out = [&](const QnRect& r) { return QnRgn(Moved(r, -u.left, -u.top)); };
    const QnRgn r1 = out(one.rect), r2 = out(two.rect);
    const uint32_t k = uint32_t(percent * 256 / 100);
    const PixelValue background = BackgroundPixel(colour, bpp);

    WorkerProgress progress(control, IDS_STITCHING, uint64_t(width) * uint64_t(height));
    ForEachTilePiece(result, out(u) - r1 - r2, progress, [&](const TilePiece& t) {
        for (int32_t y = t.piece.top; y < t.piece.bottom; ++y) {
            uint8_t* o = t.At(t.piece.left, y, bpp);
            for (int32_t x = t.piece.left; x < t.piece.right; ++x, o += bpp)
                std::memcpy(o, background.bytes, size_t(bpp));
        }
    });
    const auto copy = [&](Placed& from) {
        return [&](const TilePiece& t) {
            const QnRect placed = Moved(t.piece, u.left, u.top);
            from.Load(placed);
            for (int32_t y = t.piece.top; y < t.piece.bottom; ++y)
                std::memcpy(t.At(t.piece.left, y, bpp), from.At(placed.left, y + u.top),
                            size_t(t.piece.Width() * bpp));
        };
    };
    ForEachTilePiece(result, r1 - r2, progress, copy(one));
    ForEachTilePiece(result, r2 - r1, progress, copy(two));
    ForEachTilePiece(result, r1 * r2, progress, [&](const TilePiece& t) {
        const QnRect placed = Moved(t.piece, u.left, u.top);
        one.Load(placed);
        two.Load(placed);
        const size_t bytes = size_t(t.piece.Width() * bpp);
        for (int32_t y = t.piece.top; y < t.piece.bottom; ++y) {
            uint8_t* o = t.At(t.piece.left, y, bpp);
            const uint8_t* a = one.At(placed.left, y + u.top);
            const uint8_t* b = two.At(placed.left, y + u.top);
            for (size_t i = 0; i < bytes; ++i)
                o[i] = uint8_t((k * a[i] + (256 - k) * b[i]) >> 8);
        }
    });
    return PictureValue(result);
}
