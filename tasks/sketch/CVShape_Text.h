// One line of text, drawn in the largest size of its font that fits its
// rectangle: the month and year titles of the calendar page.
#pragma once

#include <cstdint>
#include <string>

#include "tasks/sketch/CVShape.h"

class CVShape_Text : public CVShape {
    FW_DECLARE_SERIAL(CVShape_Text)

public:
    CVShape_Text() = default;
    // A rectangle over a-b, black "Arial", neither italic nor bold.
    CVShape_Text(const QnPoint& a, const QnPoint& b);

    void SetText(const std::string& t) { text = t; }
    void SetFont(const std::string& f, int32_t isItalic, int32_t isBold);

    // The fitted text, left-aligned and centred vertically; an empty text
    // draws nothing.
    void Draw(CVSketchDC* dc) override;
    // The colour dialog, started with the colour.
    void EditColor() override;
    // The font dialog with the text as sample.
    void EditFont() override;
    // The rectangle, text, colour, face, italic, bold.
    void Store(fw::Archive& ar) override;
    void Load(fw::Archive& ar) override;
    // The shape's form, then text, face, bold, italic (no colour).
    void Serialize(fw::Archive& ar) override;

    std::string text;
    uint32_t color = 0;
    std::string face;
    int32_t italic = 0;
    int32_t bold = 0;
};
