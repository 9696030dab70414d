// A rectangle (closed: its filler fills it) or a line; the picture frame of
// the calendar page is a rectangle whose filler shows the picture.
#pragma once

#include "tasks/sketch/CVShape.h"

class CVShape_Line : public CVShape {
    FW_DECLARE_SERIAL(CVShape_Line)

public:
    CVShape_Line() = default;
    // kind CVSketch::kModeRect: the corners of the normalised rectangle a-b
    // from the top-left clockwise, closed; kModeLine: a and b, open; any
    // other kind shows "Don't support this mode" and has no points.
    CVShape_Line(int kind, const QnPoint& a, const QnPoint& b);

    // The filler (closed shapes only), then the outline.
    void Draw(CVSketchDC* dc) override;
    // The bounding rectangle.
    void Store(fw::Archive& ar) override;
    void Load(fw::Archive& ar) override;
    // The shape's form, then closed.
    void Serialize(fw::Archive& ar) override;

    int32_t closed = 0;
};
