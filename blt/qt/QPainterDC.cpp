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
    // QImage wants top-down rows of its own.
    const DeviceImage packed = shown.IsView() ? shown.Packed() : DeviceImage{};
    const DeviceImage& image = shown.IsView() ? packed : shown;
    const DevicePixelsScope scope(painter_);
    const QImage block(image.pixels.data(), int(image.rect.Width()), int(image.rect.Height()), image.RowBytes(),
                       QImage::Format_BGR888);
    for (const QnRect& r : area.rects())
        painter_.drawImage(QPoint(r.left, r.top), block,
                           ToQRect(QnRect{r.left - image.rect.left, r.top - image.rect.top,
                                          r.right - image.rect.left, r.bottom - image.rect.top}));
}
