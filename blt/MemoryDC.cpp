#include "blt/MemoryDC.h"

#include <algorithm>
#include <cstring>

MemoryDC::MemoryDC(int32_t width, int32_t height, QnColorRef background, QnPoint resolution)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), resolution_(resolution),
      pixels_(RowBytes() * size_t(height_))
{
    FillDevice(QnRgn(QnRect{0, 0, width_, height_}), background);
}

QnColorRef MemoryDC::DevicePixel(int32_t x, int32_t y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0xFFFFFFFF;
    const uint8_t* p = DeviceRow(y) + size_t(x) * 3;
    return QnRGB(p[2], p[1], p[0]);
}

void MemoryDC::FillDevice(const QnRgn& area, QnColorRef colour)
{
    const uint8_t bgr[3] = {QnGetBValue(colour), QnGetGValue(colour), QnGetRValue(colour)};
    for (const QnRect& r : area.rects())
        for (int32_t y = r.top; y < r.bottom; ++y)
            for (int32_t x = r.left; x < r.right; ++x)
                std::memcpy(Pixel(x, y), bgr, 3);
}

void MemoryDC::PutDevice(const QnRgn& area, const DeviceImage& image)
{
    for (const QnRect& r : area.rects())
        for (int32_t y = r.top; y < r.bottom; ++y)
            std::memcpy(Pixel(r.left, y), image.Row(y) + size_t(r.left - image.rect.left) * 3,
                        size_t(r.Width()) * 3);
}
