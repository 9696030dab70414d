#include "editor/operations/PictureWorker.h"

#include <cstring>

#include "editor/builtins/CheckedCast.h"
#include "editor/operations/OperationStrings.h"
#include "editor/operations/TileWalk.h"
#include "lang/FlInt.h"
#include "lang/MachineContext.h"
#include "render/RenderRcStr.h"

PpQnPicture PictureArg(QnMachineContext& m, int i, int line)
{
    return QnCheckedCast<QnPicture>(QnValueOf(*m.arg_get(i)), kPictureWorkerFile, line);
}

PpQnRenderObj RenderArg(QnMachineContext& m, int i, int line)
{
    return QnCheckedCast<QnRenderObj>(QnValueOf(*m.arg_get(i)), kPictureWorkerFile, line);
}

int32_t IntArg(QnMachineContext& m, int i, int line)
{
    return QnCheckedCast<QnFlInt>(QnValueOf(*m.arg_get(i)), kPictureWorkerFile, line)->Value();
}

PixelValue BackgroundPixel(uint32_t colour, int32_t bytesPerPixel)
{
    const uint8_t red = colour & 0xff, green = (colour >> 8) & 0xff, blue = (colour >> 16) & 0xff;
    if (bytesPerPixel == 3)
        return PixelValue{{blue, green, red}};
    const uint8_t grey = uint8_t((red + green + blue) / 3);
    return PixelValue{{grey, grey, grey}};
}

PpQnExpr PictureValue(const PpQnPicture& picture) { return PpQnExpr(PpQnFlVal(picture)); }

PpQnPicture NewPictureLike(const QnPicture& source, int32_t width, int32_t height)
{
    PpQnPicture result(width, height, source.Type(), nullptr);
    result->SetHRes(source.GetHRes());
    result->SetVRes(source.GetVRes());
    return result;
}

WorkerProgress::WorkerProgress(QnEvalControl* control, int captionId, uint64_t total)
    : progress_(control, 0), total_(total)
{
    progress_.Show(1);
    progress_.SetText(OperationString(captionId).c_str());
    progress_.SetProgress(0, ProgressUnits(total_, total_));
}

void WorkerProgress::Step(uint64_t area)
{
    done_ += area;
    ThrowIfAborted(&progress_, kPictureWorkerFile, __LINE__);
    progress_.SetProgress(ProgressUnits(done_, total_), ProgressUnits(total_, total_));
}

SourceWindow::SourceWindow(const PpQnRenderObj& source, int32_t bytesPerPixel)
    : source_(source), bpp_(bytesPerPixel)
{
}

void SourceWindow::Load(const QnRect& r)
{
    rect_ = r;
    stride_ = ptrdiff_t(r.Width()) * bpp_;
    pixels_.resize(size_t(stride_) * size_t(r.Height()));
    // The source answers in pieces (a picture with views of its tiles).
    QnRgn missing(r);
    while (missing) {
        const QnRect want = missing.first();
        QnRect got;
        const PpQnPixBuf piece = source_->Render(QnXFormXY(), 0, QnPoint{want.left, want.top}, want, &got, nullptr, 0);
        const QnRect& held = piece->GetRect();
        if (!got.Contains(QnPoint{want.left, want.top}) || QnIntersectRect(held, got) != got || !piece->Holds(bpp_))
            QN_RENDER_RAISE(QN_RENDER_BAD_RECT_REQUEST, kPictureWorkerFile);
        const size_t bytes = size_t(got.Width()) * size_t(bpp_);
        for (int32_t y = got.top; y < got.bottom; ++y)
            std::memcpy(pixels_.data() + ptrdiff_t(y - r.top) * stride_ + ptrdiff_t(got.left - r.left) * bpp_,
                        piece->CRow(y - held.top) + ptrdiff_t(got.left - held.left) * bpp_, bytes);
        missing -= got;
    }
}
