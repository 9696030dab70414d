// Fonts of the sketch's text: a logical font description as the system's
// font calls take it (height in device pixels, negative for the character
// height without internal leading, weight 400 or 700), the point-size
// constructor measured against the 96-dpi screen, and the fitting of a text
// into a rectangle that the text shapes and the month grid use.
#pragma once

#include <cstdint>
#include <string>

#include <QFont>

#include "render/Rect.h"

class CVSketchDC;

struct SketchLogFont {
    int32_t height = 0;
    int32_t weight = 400;
    bool italic = false;
    std::string face;

    // A font of tenths of a point on the screen.
    static SketchLogFont FromPointSize(int32_t tenths, const std::string& face);
    // The font the output draws with. Faces the system names are shown in
    // their metric-compatible Liberation faces.
    QFont MakeFont() const;
};

// The rounded percentage by which the first count characters of text, in
// font, must be scaled to fill r (device units) in both directions; 100
// when there is nothing to measure.
int32_t SketchFitPercent(CVSketchDC& dc, const QnRect& r, const SketchLogFont& font, const std::string& text,
                         size_t count);

// Selects into dc the font of face (italic, bold) that fits sample into r;
// returns the font that was selected before.
QFont SketchSelectFittedFont(CVSketchDC& dc, const std::string& face, bool italic, bool bold,
                             const std::string& sample, const QnRect& r);

// The family drawn for a face name.
QString SketchFontFamily(const std::string& face);
