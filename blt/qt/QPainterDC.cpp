#include "blt/qt/QPainterDC.h"

#include "blt/qt/QRegionRgn.h"

#include <QColor>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QRect>
#include <QRegion>

namespace {

QRect ToQRect(const QnRect& r)
{
    return QRect(r.left, r.top, int(r.Width()), int(r.Height()));
}

// Plain device pixels: no transform, no painter clip, no blending or
// smoothing, so that every pixel put is the pixel asked for.
class DevicePixelsScope {
public:
    explicit DevicePixelsScope(QPainter& p) : painter_(p)
    {
        painter_.save();
        painter_.resetTransform();
        painter_.setClipping(false);
        painter_.setCompositionMode(QPainter::CompositionMode_Source);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
    ~DevicePixelsScope() { painter_.restore(); }

private:
    QPainter& painter_;
};

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
    // One pass into 32-bit rows of its own, top down: a widget's surface
    // takes them as they are, where 24-bit rows would first be converted
    // by the painter (through its thread pool, one hand-over a tile).
    const int32_t width = int32_t(shown.rect.Width()), height = int32_t(shown.rect.Height());
    QImage block(width, height, QImage::Format_RGB32);
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* from = shown.Row(shown.rect.top + y);
        auto* to = reinterpret_cast<QRgb*>(block.scanLine(y));
        for (int32_t x = 0; x < width; ++x, from += 3)
            to[x] = qRgb(from[2], from[1], from[0]);
    }
    const DevicePixelsScope scope(painter_);
    for (const QnRect& r : area.rects())
        painter_.drawImage(QPoint(r.left, r.top), block,
                           ToQRect(QnRect{r.left - shown.rect.left, r.top - shown.rect.top,
                                          r.right - shown.rect.left, r.bottom - shown.rect.top}));
}
