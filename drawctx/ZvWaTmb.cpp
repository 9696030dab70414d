#include "drawctx/ZvWaTmb.h"

#include "blt/DeviceContext.h"

QnRect ZvFitPicture(int32_t width, int32_t height, int32_t pictureWidth, int32_t pictureHeight)
{
    if (pictureWidth <= 0 || pictureHeight <= 0)
        return QnRect{};
    // 64-bit products: a large picture must not wrap the proportion.
    const int64_t a = int64_t(pictureHeight) * (width - 4) / pictureWidth;
    if (height - 4 < a) {
        const int32_t left = int32_t((width - int64_t(height - 4) * pictureWidth / pictureHeight) / 2);
        return QnRect{left, 2, width - left, height - 2};
    }
    const int32_t top = int32_t((height - a) / 2);
    return QnRect{2, top, width - 2, height - top};
}

void ZvWaTmb::SetPicture(WA* picture, int32_t width, int32_t height)
{
    WAAddRef(picture);
    WARelease(picture_);
    delete context_;
    context_ = nullptr;
    picture_ = picture;
    fit_ = QnRect{};
    if (!picture_)
        return;
    context_ = WACreateDrawContext(picture_, nullptr);
    Refit(width, height);
}

void ZvWaTmb::Refit(int32_t width, int32_t height)
{
    if (!context_)
        return;
    fit_ = ZvFitPicture(width, height, picture_->width, picture_->height);
    // A control too small for the margin shows nothing rather than a
    // transform that folds the picture.
    if (fit_.IsEmpty())
        return;
    context_->SetXF(fit_, QnRect{0, picture_->height, picture_->width, 0}, 1);
}

bool ZvWaTmb::SetGamma(int red, int green, int blue)
{
    if (!context_)
        return false;
    context_->SetMonitorGamma(red, green, blue);
    return true;
}

void ZvWaTmb::Paint(DeviceContext& dc, ZvWindow* window, const QnRgn& update, int32_t width, int32_t height,
                    bool border, bool focus) const
{
    for (const QnRect& r : update.rects())
        dc.FillRect(r, ZV_WATMB_BACKGROUND);
    if (picture_ && context_ && !fit_.IsEmpty())
        context_->Draw(&dc, &update, window, 1, 0, nullptr);
    const auto frame = [&](int32_t inset, QnColorRef colour) {
        const QnRect r{inset, inset, width - inset, height - inset};
        if (r.IsEmpty())
            return;
        dc.FillRect(QnRect{r.left, r.top, r.right, r.top + 1}, colour);
        dc.FillRect(QnRect{r.left, r.bottom - 1, r.right, r.bottom}, colour);
        dc.FillRect(QnRect{r.left, r.top, r.left + 1, r.bottom}, colour);
        dc.FillRect(QnRect{r.right - 1, r.top, r.right, r.bottom}, colour);
    };
    if (border)
        frame(0, QnRGB(0, 0, 0));
    if (focus)
        frame(1, QnRGB(255, 255, 255));
}
