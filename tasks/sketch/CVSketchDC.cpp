#include "tasks/sketch/CVSketchDC.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>

namespace {

QColor ColourOf(uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

}  // namespace

CVSketchDC::CVSketchDC(QPainter& output, const CVScale& scale, bool printing)
    : output_(output), scale_(scale), printing_(printing), font_(output.font())
{
}

CVSketchDC::CVSketchDC(const CVSketchDC& target, const CVScale& scale)
    : output_(target.output_), scale_(scale), printing_(target.printing_), textColour_(target.textColour_),
      bkMode_(target.bkMode_), font_(target.font_)
{
}

uint32_t CVSketchDC::SetTextColor(uint32_t colour) { return std::exchange(textColour_, colour); }

int CVSketchDC::SetBkMode(int mode) { return std::exchange(bkMode_, mode); }

QFont CVSketchDC::SelectFont(const QFont& font) { return std::exchange(font_, font); }

QSize CVSketchDC::GetTextExtent(const std::string& text) const
{
    // Measured on the output itself, so a printer measures in its own units.
    const QFontMetrics metrics(font_, output_.device());
    return QSize(metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height());
}

void CVSketchDC::DrawText(const std::string& text, const QnRect& r, unsigned format)
{
    int flags = Qt::TextSingleLine;
    flags |= (format & DT_RIGHT) ? Qt::AlignRight : (format & DT_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
    flags |= (format & DT_VCENTER) ? Qt::AlignVCenter : (format & DT_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop;
    if (format & DT_NOCLIP)
        flags |= Qt::TextDontClip;
    const QRect box(r.left, r.top, r.right - r.left, r.bottom - r.top);
    output_.save();
    output_.setFont(font_);
    output_.setPen(ColourOf(textColour_));
    if (bkMode_ == OPAQUE) {
        output_.setBackgroundMode(Qt::OpaqueMode);
        output_.setBackground(Qt::white);
    } else {
        output_.setBackgroundMode(Qt::TransparentMode);
    }
    output_.drawText(box, flags, QString::fromStdString(text));
    output_.restore();
}

void CVSketchDC::DrawDragRect(const QnRect& r, const QnPoint& size)
{
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    if (w <= 0 || h <= 0)
        return;
    QRegion frame(r.left, r.top, w, h);
    if (w > 2 * size.x && h > 2 * size.y)
        frame -= QRegion(r.left + size.x, r.top + size.y, w - 2 * size.x, h - 2 * size.y);
    output_.save();
    output_.setPen(Qt::NoPen);
    output_.setBrushOrigin(0, 0);
    const QPaintEngine* engine = output_.paintEngine();
    if (engine && engine->hasFeature(QPaintEngine::RasterOpModes)) {
        output_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        output_.setBrush(QBrush(Qt::white, Qt::Dense4Pattern));
    } else {
        // A printer cannot invert; on white paper inverting shows black.
        output_.setBrush(QBrush(Qt::black, Qt::Dense4Pattern));
    }
    for (const QRect& part : frame)
        output_.drawRect(part);
    output_.restore();
}

namespace {

QPolygon PolygonOf(const std::vector<QnPoint>& points)
{
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const QnPoint& p : points)
        polygon << QPoint(p.x, p.y);
    return polygon;
}

}  // namespace

void CVSketchDC::Polyline(const std::vector<QnPoint>& points, const QPen& pen)
{
    if (points.empty())
        return;
    if (path_) {
        path_->moveTo(points.front().x, points.front().y);
        for (size_t i = 1; i < points.size(); ++i)
            path_->lineTo(points[i].x, points[i].y);
        return;
    }
    output_.save();
    output_.setPen(pen);
    output_.setBrush(Qt::NoBrush);
    output_.drawPolyline(PolygonOf(points));
    output_.restore();
}

void CVSketchDC::Polygon(const std::vector<QnPoint>& points, const QBrush& brush)
{
    if (points.empty())
        return;
    if (path_) {
        path_->addPolygon(QPolygonF(PolygonOf(points)));
        path_->closeSubpath();
        return;
    }
    output_.save();
    output_.setPen(Qt::NoPen);
    output_.setBrush(brush);
    output_.drawPolygon(PolygonOf(points), Qt::OddEvenFill);
    output_.restore();
}

void CVSketchDC::BeginPath() { path_.emplace(); }

QPainterPath CVSketchDC::EndPath()
{
    QPainterPath path = path_ ? std::move(*path_) : QPainterPath();
    path_.reset();
    return path;
}
