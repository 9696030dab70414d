#include "blt/DeviceContext.h"

#include "blt/DibSampler.h"

#include "render/WideInt.h"

#include <algorithm>

QnRect DeviceContext::DeviceRect() const
{
    const QnPoint size = DeviceSize();
    return QnRect{0, 0, std::max(size.x, 0), std::max(size.y, 0)};
}

QnRgn DeviceContext::SystemRgn() const
{
    return QnRgn(DeviceRect());
}

QnRgn DeviceContext::DrawableRgn() const
{
    const QnRgn system = SystemRgn();
    return state_.clip ? system * *state_.clip : system;
}

void DeviceContext::SelectClipRgn(const QnRgn* deviceRgn)
{
    if (deviceRgn)
        state_.clip = *deviceRgn;
    else
        state_.clip.reset();
}

void DeviceContext::IntersectClipRect(const QnRect& logical)
{
    const QnRgn r(state_.mapping.LPtoDP(logical));
    state_.clip = state_.clip ? *state_.clip * r : r;
}

// Without a clip the whole device is the starting point, as the system does.
void DeviceContext::ExcludeClipRect(const QnRect& logical)
{
    const QnRgn r(state_.mapping.LPtoDP(logical));
    state_.clip = (state_.clip ? *state_.clip : QnRgn(DeviceRect())) - r;
}

QnRect DeviceContext::GetClipBox() const
{
    const QnRgn drawable = DrawableRgn();
    if (!drawable)
        return QnRect{};
    return state_.mapping.DPtoLP(drawable.box());
}

bool DeviceContext::RectVisible(const QnRect& logical) const
{
    return bool(DrawableRgn() * QnRgn(state_.mapping.LPtoDP(logical)));
}

int32_t DeviceContext::SaveDC()
{
    saved_.push_back(state_);
    return int32_t(saved_.size());
}

bool DeviceContext::RestoreDC(int32_t level)
{
    const int64_t depth = int64_t(saved_.size());
    const int64_t target = level < 0 ? depth + level + 1 : level;
    if (level == 0 || target < 1 || target > depth)
        return false;
    state_ = saved_[size_t(target - 1)];
    saved_.resize(size_t(target - 1));
    return true;
}

void DeviceContext::FillRect(const QnRect& logical, QnColorRef colour)
{
    const QnRgn area = DrawableRgn() * QnRgn(state_.mapping.LPtoDP(logical));
    if (area)
        FillDevice(area, colour);
}

bool DeviceContext::StretchDIBits(int32_t xDest, int32_t yDest, int32_t wDest, int32_t hDest, int32_t xSrc,
                                  int32_t ySrc, int32_t wSrc, int32_t hSrc, const DibBits& dib)
{
    if (!dib.IsValid() || wSrc <= 0 || hSrc <= 0 || wDest == 0 || hDest == 0)
        return false;
    const DcMapping& m = state_.mapping;
    DrawDib(m.LPtoDP(QnPoint{xDest, yDest}),
            m.LPtoDP(QnPoint{QnSaturateInt32(int64_t(xDest) + wDest), QnSaturateInt32(int64_t(yDest) + hDest)}),
            DibRect{xSrc, ySrc, wSrc, hSrc}, dib);
    return true;
}

bool DeviceContext::SetDIBitsToDevice(int32_t xDest, int32_t yDest, int32_t w, int32_t h, int32_t xSrc,
                                      int32_t ySrc, const DibBits& dib)
{
    if (!dib.IsValid() || w <= 0 || h <= 0)
        return false;
    const QnPoint from = state_.mapping.LPtoDP(QnPoint{xDest, yDest});
    DrawDib(from, QnPoint{QnSaturateInt32(int64_t(from.x) + w), QnSaturateInt32(int64_t(from.y) + h)},
            DibRect{xSrc, ySrc, w, h}, dib);
    return true;
}

// from is where the block's top-left corner lands, to its bottom-right.
void DeviceContext::DrawDib(const QnPoint& from, const QnPoint& to, const DibRect& src, const DibBits& dib)
{
    const DibPlacement place{QnRect{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x),
                                    std::max(from.y, to.y)},
                             to.x < from.x, to.y < from.y};
    QnRgn area = DrawableRgn() * QnRgn(place.dest);
    if (!area)
        return;
    const DeviceImage image = SampleDib(dib, src, place, area.box());
    area *= QnRgn(image.rect);
    if (area)
        PutDevice(area, image);
}
