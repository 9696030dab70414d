// What the picture built-ins share: reading their arguments, the progress
// display with its abort test after every piece, the background byte of a
// colour, source windows, and the walk over a result's tiles.
#pragma once

#include <cstdint>
#include <vector>

#include "editor/operations/UserAbortExcept.h"
#include "lang/Expr.h"
#include "lang/ProgressIndicatorAuto.h"
#include "picture/Picture.h"
#include "render/Rgn.h"

class QnMachineContext;
class QnEvalControl;

// The place the workers name in their errors.
inline constexpr const char* kPictureWorkerFile = "SomeProcessings";

PpQnPicture PictureArg(QnMachineContext& m, int i, int line);
PpQnRenderObj RenderArg(QnMachineContext& m, int i, int line);
int32_t IntArg(QnMachineContext& m, int i, int line);

// 3 bytes a pixel for colour pictures, 1 for every other type.
inline int32_t WorkerBytesPerPixel(const QnPicture& p) { return p.Type() == WA_RGB24 ? 3 : 1; }

// A colour 0x00BBGGRR as the bytes of one pixel: blue, green, red, or for
// one byte a pixel (red + green + blue) / 3.
struct PixelValue {
    uint8_t bytes[3];
};
PixelValue BackgroundPixel(uint32_t colour, int32_t bytesPerPixel);

// The result picture's new value expression.
PpQnExpr PictureValue(const PpQnPicture& picture);

// A new picture of the source's type and resolutions, without palette.
PpQnPicture NewPictureLike(const QnPicture& source, int32_t width, int32_t height);

// Progress of one worker: caption, total in pixels, and after every piece
// the count, an abort test raising UserAbortExcept, and the report.
class WorkerProgress {
public:
    WorkerProgress(QnEvalControl* control, int captionId, uint64_t total);
    void Step(uint64_t area);
    QnProgressIndicator* Indicator() { return &progress_; }
    uint64_t& Done() { return done_; }
    uint64_t Total() const { return total_; }

private:
    QnProgressIndicatorAuto progress_;
    uint64_t done_ = 0;
    uint64_t total_;
};

// Reads whole rectangles of a source rendered with a fixed number of bytes
// a pixel, into one buffer that is kept from one rectangle to the next.
class SourceWindow {
public:
    SourceWindow(const PpQnRenderObj& source, int32_t bytesPerPixel);
    // Renders r (non-empty) and makes it the window.
    void Load(const QnRect& r);
    const QnRect& Rect() const { return rect_; }
    ptrdiff_t Stride() const { return stride_; }
    const uint8_t* At(int32_t x, int32_t y) const
    {
        return pixels_.data() + ptrdiff_t(y - rect_.top) * stride_ + ptrdiff_t(x - rect_.left) * bpp_;
    }

private:
    PpQnRenderObj source_;
    int32_t bpp_;
    std::vector<uint8_t> pixels_;
    QnRect rect_;
    ptrdiff_t stride_ = 0;
};

// The writable pixels of one piece of a result's tile.
struct TilePiece {
    QnPixBuf* buffer;
    QnRect tile;  // the tile's rectangle, cut to the picture
    QnRect piece; // the part to fill: the area's first rectangle cut to the tile
    uint8_t* At(int32_t x, int32_t y, int32_t bpp) const
    {
        return buffer->Row(y - tile.top) + ptrdiff_t(x - tile.left) * bpp;
    }
};

// Calls fill(piece) for every piece of area, one tile at a time, first
// rectangle first; then counts the piece's area in progress.
template <class Fill>
void ForEachTilePiece(const PpQnPicture& result, QnRgn area, WorkerProgress& progress, Fill fill)
{
    while (area) {
        const QnRect first = area.first();
        QnRect tile;
        const PpQnPixBuf buffer = result->GetAccessToBuffer(0, QnPoint{first.left, first.top}, &tile);
        const QnRect piece = QnIntersectRect(first, tile);
        fill(TilePiece{buffer.Get(), tile, piece});
        area -= piece;
        progress.Step(uint64_t(piece.Width()) * uint64_t(piece.Height()));
    }
}
