#include "tasks/sketch/SketchFont.h"

#include <algorithm>
#include <cstring>

#include "tasks/sketch/CVSketchDC.h"

namespace {

// The screen the point sizes are measured against.
constexpr int32_t kScreenDpi = 96;

// Rounded a * b / c, as the system's MulDiv.
int32_t MulDiv(int32_t a, int32_t b, int32_t c)
{
    const int64_t p = int64_t(a) * b;
    const int64_t half = c / 2;
    return static_cast<int32_t>(p >= 0 ? (p + half) / c : (p - half) / c);
}

}  // namespace

QString SketchFontFamily(const std::string& face)
{
    struct Map {
        const char* face;
        const char* family;
    };
    static const Map kMaps[] = {
        {"Arial", "Liberation Sans"},
        {"Helvetica", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
    };
    for (const Map& m : kMaps)
        if (strcasecmp(face.c_str(), m.face) == 0)
            return QString::fromLatin1(m.family);
    // No face (the grid's bands start without one) draws in the default.
    if (face.empty())
        return QStringLiteral("Liberation Sans");
    return QString::fromStdString(face);
}

SketchLogFont SketchLogFont::FromPointSize(int32_t tenths, const std::string& face)
{
    SketchLogFont font;
    font.height = -std::abs(MulDiv(kScreenDpi, tenths, 720));
    font.face = face;
    return font;
}

QFont SketchLogFont::MakeFont() const
{
    QFont font(SketchFontFamily(face));
    // A height of 0 asks for the default size; a pixel size must be positive.
    font.setPixelSize(height == 0 ? 16 : std::max(1, std::abs(height)));
    font.setItalic(italic);
    font.setWeight(weight >= 700 ? QFont::Bold : QFont::Normal);
    // Extents add the advance widths of the characters, without kerning.
    font.setKerning(false);
    return font;
}

int32_t SketchFitPercent(CVSketchDC& dc, const QnRect& r, const SketchLogFont& font, const std::string& text,
                         size_t count)
{
    const QFont previous = dc.SelectFont(font.MakeFont());
    const QSize extent = dc.GetTextExtent(text.substr(0, std::min(count, text.size())));
    dc.SelectFont(previous);
    const int64_t cx = extent.width();
    const int64_t cy = extent.height();
    // An empty sample measures nothing: the font stays as it is.
    if (cx <= 0 || cy <= 0)
        return 100;
    const int64_t byWidth = (cx / 2 + int64_t(r.right - r.left) * 100) / cx;
    const int64_t byHeight = (cy / 2 + int64_t(r.bottom - r.top) * 100) / cy;
    return static_cast<int32_t>(std::clamp<int64_t>(std::min(byWidth, byHeight), INT32_MIN, INT32_MAX));
}

QFont SketchSelectFittedFont(CVSketchDC& dc, const std::string& face, bool italic, bool bold,
                             const std::string& sample, const QnRect& r)
{
    SketchLogFont font = SketchLogFont::FromPointSize(80, face);
    font.italic = italic;
    font.weight = bold ? 700 : 400;
    const int32_t percent = SketchFitPercent(dc, r, font, sample, sample.size());
    const int64_t tenths = (int64_t(percent) * 80 + 50) / 100;
    SketchLogFont fitted = SketchLogFont::FromPointSize(static_cast<int32_t>(std::clamp<int64_t>(tenths, 0, 1 << 20)), face);
    fitted.italic = italic;
    fitted.weight = bold ? 700 : 400;
    // A fit below one pixel still draws at one pixel, never at the default.
    if (fitted.height == 0)
        fitted.height = -1;
    return dc.SelectFont(fitted.MakeFont());
}
