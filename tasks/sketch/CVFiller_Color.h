// Fills a shape with one colour.
#pragma once

#include <cstdint>

#include "tasks/sketch/CVFiller.h"

class CVFiller_Color : public CVFiller {
    FW_DECLARE_SERIAL(CVFiller_Color)

public:
    CVFiller_Color() = default;
    explicit CVFiller_Color(uint32_t c) : colour(c) {}

    void FillMasked(CVSketchDC* dc, const QnRect& r, const QImage& mask) override;
    void Fill(CVSketchDC* dc, const QnRect& r, const std::vector<QnPoint>* points) override;
    // The colour dialog, started with the colour.
    void Edit() override;
    void Serialize(fw::Archive& ar) override;

    // 0x00BBGGRR. Set by whoever makes the filler.
    uint32_t colour = 0;
};
