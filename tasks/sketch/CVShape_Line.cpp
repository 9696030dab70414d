#include "tasks/sketch/CVShape_Line.h"

#include "framework/Archive.h"
#include "framework/MessageBox.h"
#include "tasks/sketch/CVSketch.h"
#include "tasks/sketch/SketchGeometry.h"

FW_IMPLEMENT_SERIAL(CVShape_Line, CVShape, 1)

CVShape_Line::CVShape_Line(int kind, const QnPoint& a, const QnPoint& b)
{
    if (kind == CVSketch::kModeRect) {
        const QnRect r = SketchRectOf(a, b);
        points = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
        closed = 1;
    } else if (kind == CVSketch::kModeLine) {
        points = {a, b};
        closed = 0;
    } else {
        fw::MessageBox("Don't support this mode", fw::MB_OK);
    }
}

void CVShape_Line::Draw(CVSketchDC* dc)
{
    const QnRect b = GetBoundRect();
    if (filler && closed == 1)
        filler->Fill(dc, b, &points);
    if (outliner)
        outliner->Draw(dc, b, &points, 0);
}

void CVShape_Line::Store(fw::Archive& ar) { StoreRect(ar); }

void CVShape_Line::Load(fw::Archive& ar) { FitInto(LoadRect(ar)); }

void CVShape_Line::Serialize(fw::Archive& ar)
{
    CVShape::Serialize(ar);
    if (ar.IsStoring())
        ar << closed;
    else
        ar >> closed;
}
