#include "tasks/sketch/CVOutliner.h"

#include <QImage>
#include <QPainter>
#include <QPainterPathStroker>

#include "tasks/sketch/CVSketchDC.h"

FW_IMPLEMENT_SERIAL(CVOutliner, fw::CmdTarget, 1)

namespace {
// The pen the recorded outline is widened with, in the hit test's units.
constexpr int kHitPenWidth = 20;
}  // namespace

void CVOutliner::Draw(CVSketchDC*, const QnRect&, const std::vector<QnPoint>*, int) {}

int CVOutliner::HitTest(const QnPoint& pt, const QnRect& r, const std::vector<QnPoint>* points)
{
    // The test runs at a scale of the rectangle's larger side in percent,
    // so the widened pen is a fixed share of the shape's size.
    CVScale local;
    local.Init(static_cast<int32_t>(std::max(r.Width(), r.Height())));
    const QnPoint at = local.ToDevice(pt);
    // Only the path is recorded: the surface under it is never drawn on.
    QImage surface(1, 1, QImage::Format_RGB32);
    QPainter painter(&surface);
    CVSketchDC dc(painter, local, false);
    dc.BeginPath();
    Draw(&dc, r, points, 1);
    const QPainterPath path = dc.EndPath();
    if (path.isEmpty())
        return 0;
    QPainterPathStroker stroker;
    stroker.setWidth(kHitPenWidth);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    const QPainterPath widened = stroker.createStroke(path);
    return widened.contains(QPointF(at.x + 0.5, at.y + 0.5)) ? 1 : 0;
}
