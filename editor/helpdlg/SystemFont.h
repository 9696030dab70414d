// Fonts described as the system describes them (a logical font: height in
// pixels, weight, face name). The faces the editor names (MS Sans Serif,
// Arial, Times New Roman, Courier New, Small Fonts) are drawn with the
// metric-compatible Liberation faces, at a fixed 96 pixels per inch.
#pragma once

#include <QFont>
#include <cstdint>
#include <string>

struct CLdLogFont {
    // Negative: the character height (the em) in pixels; positive: the cell
    // height (ascent plus descent); 0: the default size.
    int32_t height = 0;
    int32_t weight = 400;  // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::string faceName;
};

// The logical font of a point size given in tenths of a point, at 96 pixels
// per inch (an 8-point font is 11 pixels high).
CLdLogFont LdPointFont(int32_t tenthsOfPoint, const std::string& faceName);

// The face that stands in for a face the system names; other faces are kept.
QString LdFaceFor(const std::string& faceName);

// The Qt font of a logical font. Glyphs are drawn without antialiasing, as
// the system draws them into 8-bit surfaces; soft edges come from drawing at
// a larger scale.
QFont LdMakeFont(const CLdLogFont& font);
