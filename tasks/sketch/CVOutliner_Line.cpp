#include "tasks/sketch/CVOutliner_Line.h"

#include <QPen>

#include "framework/Archive.h"
#include "tasks/sketch/CVSketchDC.h"

FW_IMPLEMENT_SERIAL(CVOutliner_Line, CVOutliner, 1)

namespace {
// The pen of the hit test's drawing, in its units.
constexpr int kWidePenWidth = 25;
}  // namespace

void CVOutliner_Line::Draw(CVSketchDC* dc, const QnRect&, const std::vector<QnPoint>* points, int wide)
{
    if (!points || points->empty())
        return;
    std::vector<QnPoint> device;
    device.reserve(points->size() + 1);
    for (const QnPoint& p : *points)
        device.push_back(dc->Scale().ToDevice(p));
    device.push_back(device.front());
    const int penWidth = wide ? kWidePenWidth : dc->Scale().LengthToDevice(width);
    // A pen wider than a pixel has round ends and joins; a width below 2
    // draws one pixel wide.
    QPen pen(QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    pen.setWidth(penWidth > 1 ? penWidth : 0);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    dc->Polyline(device, pen);
}

void CVOutliner_Line::Serialize(fw::Archive& ar)
{
    CVOutliner::Serialize(ar);
    if (ar.IsStoring())
        ar << colour << width;
    else
        ar >> colour >> width;
}
