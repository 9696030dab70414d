#include "editor/helpdlg/SystemFont.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int32_t kPixelsPerInch = 96;
// The system's default font is about this high when a logical font gives 0.
constexpr int32_t kDefaultCellHeight = 16;

bool SameFace(const std::string& a, const char* b)
{
    return QString::fromStdString(a).compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

}  // namespace

CLdLogFont LdPointFont(int32_t tenthsOfPoint, const std::string& faceName)
{
    CLdLogFont font;
    // Rounded as MulDiv rounds: 80 tenths at 96 dpi are 10.67, so 11 pixels.
    const int64_t scaled = int64_t(tenthsOfPoint) * kPixelsPerInch;
    font.height = -int32_t((std::llabs(scaled) + 360) / 720);
    font.faceName = faceName;
    return font;
}

QString LdFaceFor(const std::string& faceName)
{
    for (const char* sans : {"MS Sans Serif", "Arial", "Helvetica", "MS Shell Dlg", "Small Fonts", "System", ""}) {
        if (SameFace(faceName, sans))
            return QStringLiteral("Liberation Sans");
    }
    for (const char* serif : {"Times New Roman", "Times", "MS Serif"}) {
        if (SameFace(faceName, serif))
            return QStringLiteral("Liberation Serif");
    }
    for (const char* mono : {"Courier New", "Courier", "Fixedsys", "Terminal"}) {
        if (SameFace(faceName, mono))
            return QStringLiteral("Liberation Mono");
    }
    return QString::fromStdString(faceName);
}

QFont LdMakeFont(const CLdLogFont& logFont)
{
    QFont font(LdFaceFor(logFont.faceName));
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setWeight(QFont::Weight(std::clamp(logFont.weight ? logFont.weight : 400, 1, 1000)));
    font.setItalic(logFont.italic);
    font.setUnderline(logFont.underline);
    font.setStrikeOut(logFont.strikeOut);
    if (logFont.height < 0) {
        font.setPixelSize(-logFont.height);
    } else {
        // A cell height: the em is the part of the cell the face gives it.
        const int32_t cell = logFont.height > 0 ? logFont.height : kDefaultCellHeight;
        font.setPixelSize(cell);
        const int cellAtCell = QFontMetrics(font).height();
        if (cellAtCell > 0)
            font.setPixelSize(std::max(1, int(std::lround(double(cell) * cell / cellAtCell))));
    }
    return font;
}
