// What draws a sketch shape's outline: nothing in this base, a polyline in
// CVOutliner_Line. The hit test of an outline is shared: a point hits when
// it lies on the widened path the outline draws.
#pragma once

#include <vector>

#include "framework/CmdTarget.h"
#include "render/Rect.h"

class CVSketchDC;

class CVOutliner : public fw::CmdTarget {
    FW_DECLARE_SERIAL(CVOutliner)

public:
    CVOutliner() = default;
    ~CVOutliner() override = default;

    // Draws the outline of points (sketch units) whose bounding rectangle
    // is r; wide draws with the hit test's broad pen.
    virtual void Draw(CVSketchDC* dc, const QnRect& r, const std::vector<QnPoint>* points, int wide);
    // Kept for the order of the operations; does nothing.
    virtual void Reserved() {}
    // True when pt (sketch units) lies on the widened outline.
    virtual int HitTest(const QnPoint& pt, const QnRect& r, const std::vector<QnPoint>* points);
};
