#include "tasks/sketch/CVFiller_Color.h"

#include <QPainter>

#include "framework/Archive.h"
#include "framework/ColorDialog.h"
#include "tasks/sketch/CVSketchDC.h"
#include "tasks/sketch/SketchMask.h"

FW_IMPLEMENT_SERIAL(CVFiller_Color, CVFiller, 1)

namespace {
QColor ColourOf(uint32_t c) { return QColor(fw::RedOf(c), fw::GreenOf(c), fw::BlueOf(c)); }
}  // namespace

void CVFiller_Color::FillMasked(CVSketchDC* dc, const QnRect& r, const QImage& mask)
{
    const QColor c = ColourOf(colour);
    SketchFillThroughMask(*dc, dc->Scale().ToDevice(r), mask,
                          [c](QPainter& painter, const QRect& area) { painter.fillRect(area, c); });
}

void CVFiller_Color::Fill(CVSketchDC* dc, const QnRect&, const std::vector<QnPoint>* points)
{
    if (!points)
        return;
    std::vector<QnPoint> device;
    device.reserve(points->size());
    for (const QnPoint& p : *points)
        device.push_back(dc->Scale().ToDevice(p));
    dc->Polygon(device, QBrush(ColourOf(colour)));
}

void CVFiller_Color::Edit()
{
    if (const auto chosen = fw::RunColorDialog(colour))
        colour = *chosen;
}

void CVFiller_Color::Serialize(fw::Archive& ar)
{
    CVFiller::Serialize(ar);
    if (ar.IsStoring())
        ar << colour;
    else
        ar >> colour;
}
