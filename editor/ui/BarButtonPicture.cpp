#include "editor/ui/BarButtonPicture.h"

#include <QPainter>

namespace {
// The key colour of transparent pixels in the editor's button pictures.
constexpr QRgb kTransparentKey = 0x008080;
}  // namespace

CBarButtonPicture::CBarButtonPicture(const QImage& picture)
{
    if (picture.isNull())
        return;
    opaque_ = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < opaque_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(opaque_.scanLine(y));
        for (int x = 0; x < opaque_.width(); ++x)
            line[x] = (line[x] & 0xFFFFFF) == kTransparentKey ? 0 : (line[x] | 0xFF000000);
    }
}

void CBarButtonPicture::Draw(QPainter& painter, const QPoint& at) const
{
    if (!IsNull())
        painter.drawImage(at, opaque_);
}

void CBarButtonPicture::DrawShadow(QPainter& painter, const QPoint& at, const QColor& colour) const
{
    if (IsNull())
        return;
    QImage silhouette = opaque_;
    const QRgb shade = colour.rgb() | 0xFF000000;
    for (int y = 0; y < silhouette.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(silhouette.scanLine(y));
        for (int x = 0; x < silhouette.width(); ++x) {
            if (qAlpha(line[x]))
                line[x] = shade;
        }
    }
    painter.drawImage(at, silhouette);
}
