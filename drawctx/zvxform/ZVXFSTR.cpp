#include "drawctx/zvxform/ZVXFSTR.h"

#include "base/QnExcept.h"

#include <cstring>

namespace {

struct PlaneDeleter {
    void operator()(ZVXFREADPLANEDATA* p) const { delete p; }
};
using DataPtr = std::unique_ptr<ZVXFREADPLANEDATA, PlaneDeleter>;

[[noreturn]] void BadPlanes()
{
    QnExcept e("The planes of a stretch do not match", "ZVXFSTR", __LINE__);
    e.raise();
}

bool Holds(const QnRect& extent, int32_t x, int32_t y)
{
    return extent.top == y && extent.left <= x && x < extent.right;
}

} // namespace

ZVXFSTR::ZVXFSTR(const ZVXFORM& xf, ZVXFPLANESITE& source, int)
    : xf_(xf), source_(source.CreatePlane()), bytesPerPixel_(source_->Format().bytesPerPixel)
{
}

ZVXFSTR::~ZVXFSTR() = default;

const std::vector<int32_t>& ZVXFSTR::Columns(int32_t left, int32_t right)
{
    if (left != colLeft_ || right != colRight_ || columns_.size() != size_t(right - left)) {
        columns_.resize(size_t(right - left));
        for (int32_t x = left; x < right; ++x)
            columns_[size_t(x - left)] = xf_.X.Map().XForm(x, 0);
        colLeft_ = left;
        colRight_ = right;
    }
    return columns_;
}

void ZVXFSTR::Stretch(ZVXFPLANESITE& destination, const QnRect& area, ZV_ABORT* abort)
{
    if (area.IsEmpty())
        return;
    std::unique_ptr<ZVXFPLANE> target(destination.CreatePlane());
    const int32_t bpp = bytesPerPixel_;
    if (target->Format().bytesPerPixel != bpp)
        BadPlanes();
    const std::vector<int32_t>& columns = Columns(area.left, area.right);

    for (int32_t y = area.top; y < area.bottom; ++y) {
        if (abort && abort->Aborted())
            return;
        DataPtr out(target->CreateReadWriteData(area.left, y));
        const QnRect outExtent = out->Extent();
        const int32_t from = std::max(area.left, outExtent.left);
        const int32_t to = std::min(area.right, outExtent.right);
        uint8_t* dst = out->Pointer() + ptrdiff_t(from - outExtent.left) * bpp;
        const int32_t sy = xf_.Y.Map().XForm(y, 0);

        DataPtr in;
        QnRect inExtent;
        const uint8_t* inRow = nullptr;
        for (int32_t x = from; x < to; ++x, dst += bpp) {
            const int32_t sx = columns[size_t(x - area.left)];
            if (!in || !Holds(inExtent, sx, sy)) {
                in.reset(source_->CreateReadData(sx, sy));
                inExtent = in->Extent();
                inRow = in->Pointer();
                if (!Holds(inExtent, sx, sy))
                    BadPlanes();
            }
            const uint8_t* src = inRow + ptrdiff_t(sx - inExtent.left) * bpp;
            if (bpp == 1)
                *dst = *src;
            else if (bpp == 3) {
                dst[0] = src[0];
                dst[1] = src[1];
                dst[2] = src[2];
            } else
                std::memcpy(dst, src, size_t(bpp));
        }
    }
}
