#include "render/PixCopy.h"

#include <cstring>

void QnCopyPixels(QnPixBuf& dst, const QnPixBuf& src, const QnRect& part, int32_t bytesPerPixel)
{
    if (part.IsEmpty())
        return;
    const QnRect& d = dst.GetRect();
    const QnRect& s = src.GetRect();
    const size_t rowBytes = size_t(part.Width()) * bytesPerPixel;
    const size_t dstX = size_t(part.left - d.left) * bytesPerPixel;
    const size_t srcX = size_t(part.left - s.left) * bytesPerPixel;
    for (int32_t i = 0; i < part.Height(); ++i) {
        const int32_t y = part.top + i;
        std::memcpy(dst.Row(y - d.top) + dstX, src.CRow(y - s.top) + srcX, rowBytes);
    }
}

namespace {

template <int N>
void SampleFixed(uint8_t* dst, const uint8_t* srcRow, const int32_t* offsets, int32_t count)
{
    for (int32_t i = 0; i < count; ++i, dst += N)
        std::memcpy(dst, srcRow + offsets[i], N);
}

} // namespace

void QnSampleRow(uint8_t* dst, const uint8_t* srcRow, const int32_t* offsets, int32_t count,
                 int32_t bytesPerPixel)
{
    switch (bytesPerPixel) {
    case 1:
        for (int32_t i = 0; i < count; ++i)
            dst[i] = srcRow[offsets[i]];
        return;
    case 3:
        SampleFixed<3>(dst, srcRow, offsets, count);
        return;
    case 4:
        SampleFixed<4>(dst, srcRow, offsets, count);
        return;
    default:
        for (int32_t i = 0; i < count; ++i, dst += bytesPerPixel)
            std::memcpy(dst, srcRow + offsets[i], size_t(bytesPerPixel));
    }
}
