// What the album book is drawn with: its fonts (Times New Roman, drawn with
// its Liberation stand-in at 96 dpi), its colours and the paper, ring and
// knob pictures, which are drawn here once.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

namespace albumbook {

// A Times New Roman face of size tenths of a point.
QFont TimesFont(int tenthsOfPoint);

inline constexpr int kSpineFontSize = 250;
inline constexpr int kPageFontSize = 150;

inline const QColor kTextColour{255, 204, 0};
inline const QColor kSelectedTextColour{255, 236, 162};
inline const QColor kShadowColour{0, 0, 0};
QColor ButtonFace();

const QImage& PaperBitmap();  // tiled under spine and page
const QImage& RingBitmap();   // one ring of the binding
const QImage& KnobBitmap();   // the knob that scrolls the page index


} // namespace albumbook
