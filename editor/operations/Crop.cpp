// Crop to a mask: the result is the part of the picture under the mask's
// rectangle; pixels the mask leaves out take the fill colour.
#include <cstring>

#include "editor/operations/OperationStrings.h"
#include "editor/operations/PictureFunctions.h"
#include "editor/operations/PictureWorker.h"

PpQnExpr CropFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    const PpQnPicture picture = PictureArg(m, 1, __LINE__);
    const PpQnRenderObj mask = RenderArg(m, 2, __LINE__);
    const uint32_t colour = uint32_t(IntArg(m, 3, __LINE__));

    const int32_t bpp = WorkerBytesPerPixel(*picture);
    const PixelValue fill = BackgroundPixel(colour, bpp);
    const QnRect crop = QnIntersectRect(picture->GetRect(QnXFormXY()), mask->GetRect(QnXFormXY()));
    const int32_t width = int32_t(crop.Width()), height = int32_t(crop.Height());
    const PpQnPicture result = NewPictureLike(*picture, width, height);

    WorkerProgress progress(control, IDS_CROPPING, uint64_t(width) * uint64_t(height));
    SourceWindow source(PpQnRenderObj(picture), bpp);
    SourceWindow selected(mask, 1);
    ForEachTilePiece(result, QnRgn(QnRect{0, 0, width, height}), progress, [&](const TilePiece& t) {
        const QnRect at{t.piece.left + crop.left, t.piece.top + crop.top, t.piece.right + crop.left,
                        t.piece.bottom + crop.top};
        source.Load(at);
        selected.Load(at);
        for (int32_t y = at.top; y < at.bottom; ++y) {
            uint8_t* out = t.At(t.piece.left, y - crop.top, bpp);
            const uint8_t* in = source.At(at.left, y);
            const uint8_t* keep = selected.At(at.left, y);
            for (int32_t x = 0; x < int32_t(at.Width()); ++x, out += bpp, in += bpp)
                std::memcpy(out, keep[x] ? in : fill.bytes, size_t(bpp));
        }
    });
    return PictureValue(result);
}
