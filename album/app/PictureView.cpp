#include "album/app/PictureView.h"

#include <memory>

#include "blt/DeviceContext.h"
#include "drawctx/ZvDrawContext.h"
#include "drawctx/zvwa/WA.h"

PictureView::~PictureView() { WARelease(picture_); }

void PictureView::Show(WA* picture, int32_t desktopWidth, int32_t desktopHeight)
{
    WAAddRef(picture);
    WARelease(picture_);
    picture_ = picture;
    if (!picture_)
        return;
    x = (desktopWidth - picture_->width) / 2;
    y = (desktopHeight - picture_->height) / 2;
}

QnRect PictureView::Placement(int32_t clientWidth, int32_t clientHeight) const
{
    if (!picture_)
        return QnRect{};
    const int64_t w = picture_->width;
    const int64_t h = picture_->height;
    if (!slideShow || (x >= 0 && y >= 0))
        return QnRect{x, y, int32_t(x + w), int32_t(y + h)};
    if (w <= 0 || h <= 0)
        return QnRect{};
    // 64-bit products: a large picture on a large screen must not wrap.
    if (w * clientHeight < h * clientWidth) {
        const int32_t fitted = int32_t(w * clientHeight / h);
        const int32_t left = (clientWidth - fitted) / 2;
        return QnRect{left, 0, left + fitted, clientHeight};
    }
    const int32_t fitted = int32_t(h * clientWidth / w);
    const int32_t top = (clientHeight - fitted) / 2;
    return QnRect{0, top, clientWidth, top + fitted};
}

void PictureView::Paint(DeviceContext& dc, ZvWindow* window, const QnRgn& update, int32_t clientWidth,
                        int32_t clientHeight) const
{
    dc.FillRect(QnRect{0, 0, clientWidth, clientHeight}, QnRGB(0, 0, 0));
    const QnRect at = Placement(clientWidth, clientHeight);
    if (at.IsEmpty())
        return;
    const std::unique_ptr<ZV_DRAWCONTEXT> context(WACreateDrawContext(picture_, nullptr));
    if (!context)
        return;
    context->SetXF(at, QnRect{0, picture_->height, picture_->width, 0}, 0);
    context->Draw(&dc, &update, window, 1, 0, nullptr);
}

PictureView::Answer PictureView::OnArrow(Arrow arrow)
{
    if (!picture_)
        return Answer::Ignored;
    switch (arrow) {
    case Arrow::Left: x -= picture_->width / 10; break;
    case Arrow::Right: x += picture_->width / 10; break;
    case Arrow::Up: y -= picture_->height / 10; break;
    case Arrow::Down: y += picture_->height / 10; break;
    }
    return Answer::Moved;
}

PictureView::Answer PictureView::OnOtherInput()
{
    if (slideShow) {
        // The slide show sees the mode drop and closes the window itself.
        slideShow = 0;
        return Answer::SlideShowOff;
    }
    return Answer::Close;
}
