#include "album/app/book/AlbumPane.h"

#include <QPainter>

#include "album/app/book/AlbumBookStyle.h"

void CAlbumPane::LayoutAll(const QRect& parent)
{
    Layout(parent);
    for (const auto& child : children_)
        child->LayoutAll(rect_);
}

void CAlbumPane::PaintAll(QPainter& painter, const QRect& clip)
{
    if (!rect_.intersects(clip))
        return;
    Paint(painter, clip);
    for (const auto& child : children_)
        child->PaintAll(painter, clip);
}

QRect CAlbumPane::Click(QPoint at)
{
    if (!rect_.contains(at))
        return {};
    for (auto it = children_.rbegin(); it != children_.rend(); ++it)
        if (const QRect r = (*it)->Click(at); !r.isEmpty())
            return r;
    return OwnClick(at);
}

QRect CAlbumPane::HoverTest(QPoint at)
{
    if (!rect_.contains(at))
        return {};
    for (auto it = children_.rbegin(); it != children_.rend(); ++it)
        if (const QRect r = (*it)->HoverTest(at); !r.isEmpty())
            return r;
    return OwnHover(at);
}

void CAlbumPane::ButtonUp(QPoint at)
{
    for (const auto& child : children_)
        child->ButtonUp(at);
}

namespace albumbook {

void DrawShadowText(QPainter& painter, QPoint at, const QString& text, const QColor& colour)
{
    const int ascent = painter.fontMetrics().ascent();
    painter.setPen(kShadowColour);
    painter.drawText(at + QPoint(2, 2 + ascent), text);
    painter.setPen(colour);
    painter.drawText(at + QPoint(0, ascent), text);
}

void DrawShadowTextIn(QPainter& painter, const QRect& box, const QString& text, const QColor& colour)
{
    painter.setPen(kShadowColour);
    painter.drawText(box.translated(2, 2), Qt::AlignCenter, text);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

void DrawRaisedEdge(QPainter& painter, const QRect& r)
{
    painter.setPen(QColor(255, 255, 255));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(QColor(64, 64, 64));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

void DrawSunkenEdge(QPainter& painter, const QRect& r)
{
    painter.setPen(QColor(64, 64, 64));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(QColor(255, 255, 255));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

void DrawPaperWithHoles(QPainter& painter, const QRect& rect, int holeX)
{
    painter.drawTiledPixmap(rect, QPixmap::fromImage(PaperBitmap()), rect.topLeft());
    DrawRaisedEdge(painter, rect);
    const int ring = RingBitmap().height();
    const int diameter = ring * 3 / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(ButtonFace());
    for (int y = rect.top() + ring * 3 / 2; y + diameter <= rect.bottom() - ring * 3 / 2; y += 3 * ring)
        painter.drawEllipse(QRect(holeX, y, diameter, diameter));
    painter.setBrush(Qt::NoBrush);
}

} // namespace albumbook
