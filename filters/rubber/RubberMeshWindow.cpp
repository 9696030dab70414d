#include "filters/rubber/RubberMeshWindow.h"

#include "filters/rubber/MeshPattern.h"
#include "framework/EventGuard.h"

#include <QMouseEvent>
#include <QPainter>
#include <vector>

namespace {

void DrawDotted(QPainter& painter, const RubberGrid& grid, const QnRect& area)
{
    std::vector<QPoint> white, black;
    for (const auto& [from, to] : grid.Segments())
        MeshPattern::WalkLine(from.x, from.y, to.x, to.y, [&](int32_t x, int32_t y) {
            (MeshPattern::White(x, y, area.left, area.top) ? white : black).emplace_back(x, y);
        });
    painter.setPen(Qt::white);
    painter.drawPoints(white.data(), int(white.size()));
    painter.setPen(Qt::black);
    painter.drawPoints(black.data(), int(black.size()));
}

// Drawn twice, the lines vanish: the drag's grid as it always was.
void DrawInverted(QPainter& painter, const RubberGrid& grid)
{
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(Qt::black);
    for (const auto& [from, to] : grid.Segments())
        painter.drawLine(from.x, from.y, to.x, to.y);
}

} // namespace

RubberMeshWindow::RubberMeshWindow(RubberParams* params, QWidget* parent) : PreviewWindow(parent), params_(params) {}

void RubberMeshWindow::paintEvent(QPaintEvent* event)
{
    PreviewWindow::paintEvent(event);
    model_.NotePaint(QnRect{0, 0, width(), height()});
    QPainter painter(this);
    if (model_.Dragging()) {
        DrawDotted(painter, model_.RestGrid(), model_.Noted());
        DrawInverted(painter, model_.Grid());
    } else {
        DrawDotted(painter, model_.Grid(), model_.Noted());
    }
}

void RubberMeshWindow::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton && model_.Press(p.x(), p.y(), *params_))
        repaint();
}

void RubberMeshWindow::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (model_.Move(p.x(), p.y()))
        repaint();
}

void RubberMeshWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !model_.Release(*params_))
        return;
    if (dragEnded_)
        fw::GuardedCall(dragEnded_);
    // The grid at rest, also when the preview is off and was not redrawn.
    update();
}
