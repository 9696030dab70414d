// What the blitter's draws must show, computed without the blitter: the
// stretch of the picture rendered directly, and a check of a framebuffer
// against it.
#pragma once

#include "blt/MemoryDC.h"
#include "render/FillRenderObj.h"
#include "render/StretchRenderObj.h"
#include "render/XFormXY.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace blttest {

constexpr QnColorRef kBackground = QnRGB(1, 2, 3);

// The map x -> x * num / den on both axes.
inline QnXFormXY Zoom(int32_t num, uint32_t den)
{
    const QnXForm axis(num, 0, den);
    return QnXFormXY(axis, axis);
}

// The picture under zoom, rendered straight through a stretch and a fill
// over the whole zoomed rectangle.
struct Expected {
    QnRect bounds;
    PpQnPixBuf pixels;

    Expected(const PpQnRenderObj& picture, const QnXFormXY& zoom)
    {
        const QnStretchRenderObj::PlaneFmt sf[] = {{3, 1, 3, 1}};
        const PpQnStretchRenderObj stretch(zoom, 0, picture, 1, sf, PpQnPixConverter(PpQnPixConverter::TAG{}), -1);
        const QnFillRenderObj::PlaneFmt ff[] = {{3, 1, 3}};
        const PpQnFillRenderObj fill(PpQnRenderObj(stretch), 1, ff);
        bounds = fill->GetRect(QnXFormXY());
        pixels = fill->RenderRect(QnXFormXY(), 0, bounds, nullptr);
    }

    // The pixel at zoomed (x, y).
    QnColorRef At(int32_t x, int32_t y) const
    {
        const uint8_t* p = pixels->CRow(y - bounds.top) + size_t(x - bounds.left) * 3;
        return QnRGB(p[2], p[1], p[0]);
    }

    // The whole zoomed picture as one bottom-up DIB.
    std::vector<uint8_t> DibBytes() const
    {
        const DibBits shape{int32_t(bounds.Width()), int32_t(bounds.Height()), nullptr};
        std::vector<uint8_t> bytes(size_t(shape.RowBytes()) * size_t(shape.height));
        for (int32_t i = 0; i < shape.height; ++i)
            std::memcpy(bytes.data() + size_t(shape.height - 1 - i) * size_t(shape.RowBytes()), pixels->CRow(i),
                        size_t(shape.width) * 3);
        return bytes;
    }
};

// Checks a text-mode framebuffer drawn with offset (dx, dy): inside shown
// (logical coordinates) every pixel is the expected one, elsewhere the
// background. Returns the number of wrong pixels, reporting the first.
inline int64_t CountWrongPixels(const MemoryDC& dc, const Expected& expected, int32_t dx, int32_t dy,
                                const QnRgn& shown)
{
    int64_t wrong = 0;
    const QnPoint size = dc.DeviceSize();
    for (int32_t y = 0; y < size.y; ++y)
        for (int32_t x = 0; x < size.x; ++x) {
            const QnPoint z{x + dx, y + dy};
            const bool inside = expected.bounds.Contains(z) && shown.from_point(QnPoint{x, y}) != QnRect{};
            const QnColorRef want = inside ? expected.At(z.x, z.y) : kBackground;
            if (dc.DevicePixel(x, y) != want && wrong++ == 0)
                ADD_FAILURE() << "first wrong pixel at device " << x << "," << y << (inside ? " (inside)" : " (outside)");
        }
    return wrong;
}

inline QnRgn WholeDevice(const MemoryDC& dc) { return QnRgn(QnRect{0, 0, dc.DeviceSize().x, dc.DeviceSize().y}); }

} // namespace blttest
