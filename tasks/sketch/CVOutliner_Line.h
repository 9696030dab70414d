// Outlines a shape with a closed polyline of one colour and width.
#pragma once

#include <cstdint>

#include "tasks/sketch/CVOutliner.h"

class CVOutliner_Line : public CVOutliner {
    FW_DECLARE_SERIAL(CVOutliner_Line)

public:
    CVOutliner_Line() = default;
    CVOutliner_Line(uint32_t c, int32_t w) : colour(c), width(w) {}

    // From the first point through every further one and back to the first.
    void Draw(CVSketchDC* dc, const QnRect& r, const std::vector<QnPoint>* points, int wide) override;
    void Serialize(fw::Archive& ar) override;

    uint32_t colour = 0;  // 0x00BBGGRR
    int32_t width = 1;    // sketch units
};
