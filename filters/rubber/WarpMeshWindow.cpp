#include "filters/rubber/WarpMeshWindow.h"

#include "filters/rubber/MeshPattern.h"
#include "framework/EventGuard.h"

#include <QMouseEvent>
#include <QPainter>
#include <vector>

WarpMeshWindow::WarpMeshWindow(WarpParams* params, QWidget* parent) : PreviewWindow(parent), params_(params) {}

void WarpMeshWindow::paintEvent(QPaintEvent* event)
{
    PreviewWindow::paintEvent(event);
    model_.NotePaint(QnRect{0, 0, width(), height()});
    QPainter painter(this);
    const auto pieces = model_.Pieces();
    if (model_.Dragging()) {
        // Drawn twice, the lines vanish: the dragged mesh as it always was.
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.setPen(Qt::black);
        for (const auto& [from, to] : pieces)
            painter.drawLine(from.x, from.y, to.x, to.y);
        return;
    }
    std::vector<QPoint> white, black;
    for (const auto& [from, to] : pieces)
        MeshPattern::WalkLine(from.x, from.y, to.x, to.y, [&](int32_t x, int32_t y) {
            (MeshPattern::White(x, y, 0, 0) ? white : black).emplace_back(x, y);
        });
    painter.setPen(Qt::white);
    painter.drawPoints(white.data(), int(white.size()));
    painter.setPen(Qt::black);
    painter.drawPoints(black.data(), int(black.size()));
    for (int32_t j = 0; j < WarpParams::kHandles; ++j)
        for (int32_t i = 0; i < WarpParams::kHandles; ++i) {
            const WarpMeshModel::Point p = model_.Shown(i, j);
            painter.fillRect(p.x - 4, p.y - 4, 9, 9, Qt::black);
        }
}

void WarpMeshWindow::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton && model_.Press(p.x(), p.y()))
        repaint();
}

void WarpMeshWindow::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (model_.Move(p.x(), p.y()))
        repaint();
}

void WarpMeshWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !model_.Release(*params_))
        return;
    if (dragEnded_)
        fw::GuardedCall(dragEnded_);
    update();
}
