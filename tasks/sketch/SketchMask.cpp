#include "tasks/sketch/SketchMask.h"

#include <QPainter>

#include "tasks/sketch/CVSketchDC.h"

void SketchFillThroughMask(CVSketchDC& dc, const QnRect& d, const QImage& mask,
                           const std::function<void(QPainter&, const QRect&)>& paint)
{
    const int w = d.right - d.left;
    const int h = d.bottom - d.top;
    if (w <= 0 || h <= 0 || mask.isNull())
        return;
    QImage layer(w, h, QImage::Format_ARGB32);
    layer.fill(Qt::transparent);
    {
        QPainter painter(&layer);
        paint(painter, QRect(0, 0, w, h));
    }
    const QImage shape = mask.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* out = reinterpret_cast<QRgb*>(layer.scanLine(y));
        const auto* in = y < shape.height() ? reinterpret_cast<const QRgb*>(shape.constScanLine(y)) : nullptr;
        for (int x = 0; x < w; ++x)
            if (!in || x >= shape.width() || (in[x] & 0xFFFFFF) != 0)
                out[x] = 0;
    }
    dc.Painter().drawImage(d.left, d.top, layer);
}
