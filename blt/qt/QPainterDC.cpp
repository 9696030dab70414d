#include "blt/qt/QPainterDC.h"

#include "blt/qt/QRegionRgn.h"

#include <QColor>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QRect>
#include <QRegion>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <new>

namespace {

// Rows put in one call. The painter shares a block of 96 rows or more out
// to its thread pool; for the rows of a tile that hand-over costs more than
// the copy itself, so pixels are put in bands below that.
constexpr int32_t kBand = 64;

// count pixels of blue, green, red bytes as opaque 32-bit pixels; four at a
// time from three 32-bit words (little-endian, as the bytes lie in memory).
void ToRgb32(const uint8_t* from, QRgb* to, int32_t count)
{
    static_assert(std::endian::native == std::endian::little);
    int32_t x = 0;
    for (; x + 4 <= count; x += 4, from += 12) {
        uint32_t a, b, c;
        std::memcpy(&a, from, 4);
        std::memcpy(&b, from + 4, 4);
        std::memcpy(&c, from + 8, 4);
        to[x] = 0xFF000000u | (a & 0xFFFFFFu);
        to[x + 1] = 0xFF000000u | (a >> 24) | ((b & 0xFFFFu) << 8);
        to[x + 2] = 0xFF000000u | (b >> 16) | ((c & 0xFFu) << 16);
        to[x + 3] = 0xFF000000u | (c >> 8);
    }
    for (; x < count; ++x, from += 3)
        to[x] = qRgb(from[2], from[1], from[0]);
}

QRect ToQRect(const QnRect& r)
{
    return QRect(r.left, r.top, int(r.Width()), int(r.Height()));
}

// Plain device pixels: no transform, no painter clip, no blending or
// smoothing, so that every pixel put is the pixel asked for. A painter clip
// that cannot cut what is put (see ClipHolds) may be kept.
class DevicePixelsScope {
public:
    explicit DevicePixelsScope(QPainter& p, bool keepClip = false) : painter_(p)
    {
        painter_.save();
        painter_.resetTransform();
        if (!keepClip)
            painter_.setClipping(false);
        painter_.setCompositionMode(QPainter::CompositionMode_Source);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
    ~DevicePixelsScope() { painter_.restore(); }

private:
    QPainter& painter_;
};

// True when the painter draws in device pixels and its clip holds all of
// area. A new clip is cut by a window's whole paint region, which may be a
// selection outline's hundred thousand rectangles; cut by such a clip
// instead, it costs only its own.
bool ClipHolds(const QPainter& painter, const QRegion& area)
{
    return painter.hasClipping() && painter.deviceTransform().isIdentity() &&
           area.subtracted(painter.clipRegion()).isEmpty();
}

} // namespace

QPainterDC::QPainterDC(QPainter& painter, const QRegion& paintArea)
    : painter_(painter), hasPaintArea_(!paintArea.isEmpty())
{
    paintArea_ = QnRgnFromQRegion(paintArea);
}

QnPoint QPainterDC::DeviceSize() const
{
    const QPaintDevice* device = painter_.device();
    return device ? QnPoint{device->width(), device->height()} : QnPoint{};
}

QnPoint QPainterDC::Resolution() const
{
    const QPaintDevice* device = painter_.device();
    return device ? QnPoint{device->logicalDpiX(), device->logicalDpiY()} : QnPoint{96, 96};
}

QnRgn QPainterDC::SystemRgn() const
{
    const QnRgn device = DeviceContext::SystemRgn();
    return hasPaintArea_ ? device * paintArea_ : device;
}

void QPainterDC::FillDevice(const QnRgn& area, QnColorRef colour)
{
    const DevicePixelsScope scope(painter_);
    const QColor c(QnGetRValue(colour), QnGetGValue(colour), QnGetBValue(colour));
    for (const QnRect& r : area.rects())
        painter_.fillRect(ToQRect(r), c);
}

void QPainterDC::PutDevice(const QnRgn& area, const DeviceImage& shown)
{
    // A band at a time, made in one pass into 32-bit rows of its own, top
    // down: a widget's surface takes them as they are, where 24-bit rows
    // would first be converted by the painter.
    const QnRect box = QnIntersectRect(area.box(), shown.rect);
    if (box.IsEmpty())
        return;
    QImage band(int(box.Width()), kBand, QImage::Format_RGB32);
    if (band.isNull())
        throw std::bad_alloc();
    // A selection's outline gives an area of a thousand one-pixel runs per
    // tile: one clip and one image a band cost far less than an image per
    // run. The clip holds exactly the area's pixels.
    const QRegion clip = area.count() > 1 ? QRegionFromRgn(area) : QRegion();
    const bool keepClip = !clip.isEmpty() && ClipHolds(painter_, clip);
    const DevicePixelsScope scope(painter_, keepClip);
    if (!clip.isEmpty())
        painter_.setClipRegion(clip, keepClip ? Qt::IntersectClip : Qt::ReplaceClip);
    for (int32_t top = box.top; top < box.bottom; top += kBand) {
        const int32_t bottom = int32_t(std::min<int64_t>(box.bottom, int64_t(top) + kBand));
        for (int32_t y = top; y < bottom; ++y)
            ToRgb32(shown.Row(y) + size_t(box.left - shown.rect.left) * 3,
                    reinterpret_cast<QRgb*>(band.scanLine(y - top)), int32_t(box.Width()));
        painter_.drawImage(QPoint(box.left, top), band, QRect(0, 0, int(box.Width()), bottom - top));
    }
}
