#include "tasks/sketch/CVShape_Cal.h"

#include <chrono>

#include <QPen>

#include "framework/Archive.h"
#include "framework/ColorDialog.h"
#include "tasks/sketch/CVSketch.h"
#include "tasks/sketch/CVSketchDC.h"
#include "tasks/sketch/SketchArchive.h"
#include "tasks/sketch/SketchDialogs.h"
#include "tasks/sketch/SketchFont.h"
#include "tasks/sketch/SketchGeometry.h"

FW_IMPLEMENT_SERIAL(CVShape_Cal, CVShape_Line, 1)

namespace {

constexpr uint32_t kSundayColour = 0x0000FF;  // red
constexpr QnPoint kBandFrame{5, 5};
const std::string kWide = "WWWWWWWWWWWW";
constexpr unsigned kCellFormat = DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOCLIP;

// A cell of cellRect's size moved to (x, y), less an eighth of its width on
// each side and 2 at top and bottom.
QnRect CellAt(const QnRect& cell, int32_t x, int32_t y)
{
    const int32_t w = cell.right - cell.left;
    const int32_t h = cell.bottom - cell.top;
    return QnRect{x + w / 8, y + 2, x + w - w / 8, y + h - 2};
}

void Line(CVSketchDC* dc, const QPen& pen, int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    dc->Polyline({{x0, y0}, {x1, y1}}, pen);
}

}  // namespace

CVShape_Cal::CVShape_Cal() { days.fill(-1); }

CVShape_Cal::CVShape_Cal(const QnPoint& a, const QnPoint& b) : CVShape_Line(CVSketch::kModeRect, a, b)
{
    days.fill(-1);
}

void CVShape_Cal::SetMonth(int32_t monthIndex, int32_t y)
{
    using namespace std::chrono;
    month = monthIndex + 1;
    year = y;
    days.fill(-1);
    int i = 0;
    const year_month_day first{std::chrono::year(y), std::chrono::month(static_cast<unsigned>(month)), day(1)};
    if (month >= 1 && month <= 12 && first.ok()) {
        // Cells before the first weekday stay empty, then the month's days
        // follow one a cell.
        const int offset = static_cast<int>(weekday(sys_days(first)).c_encoding());
        const auto last = year_month_day_last(std::chrono::year(y), month_day_last(std::chrono::month(month)));
        const int count = static_cast<int>(static_cast<unsigned>(last.day()));
        i = offset;
        for (int n = 1; n <= count && i < kCells; ++n)
            days[i++] = n;
    }
    rows = i > 35 ? 7 : 6;
}

void CVShape_Cal::SetDayNames(const std::vector<std::string>& names, int32_t shown, int32_t option)
{
    dayNames.assign(names.begin(), names.begin() + std::min<size_t>(names.size(), 7));
    shownChars = shown;
    dayNameOption = option;
}

int CVShape_Cal::HitTest(const QnPoint& pt)
{
    headerSelected = 0;
    datesSelected = 0;
    const QnRect b = GetBoundRect();
    if (!SketchPtInRect(b, pt))
        return 0;
    // The header band is one row of the grid high.
    if (int64_t(pt.y) - b.top < b.Height() / rows)
        headerSelected = 1;
    else
        datesSelected = 1;
    return 1;
}

void CVShape_Cal::Draw(CVSketchDC* dc)
{
    const QnRect d = dc->Scale().ToDevice(GetBoundRect());
    deviceRect = d;
    const int64_t width = d.Width();
    const int64_t height = d.Height();
    cellRect = QnRect{0, 0, static_cast<int32_t>(width / 7), static_cast<int32_t>(height / rows)};
    const int oldMode = dc->SetBkMode(TRANSPARENT);

    const size_t shown = static_cast<size_t>(std::max(0, shownChars));
    QFont oldFont = SketchSelectFittedFont(*dc, headerFace, headerItalic != 0, headerBold != 0,
                                           kWide.substr(0, std::min(shown + 1, kWide.size())), cellRect);
    for (int c = 0; c < 7; ++c) {
        const auto x = static_cast<int32_t>(d.left + (c * width + 3) / 7);
        const uint32_t oldColour = dc->SetTextColor(c == 0 ? kSundayColour : headerColor);
        const std::string name = c < static_cast<int>(dayNames.size()) ? dayNames[c].substr(0, shown) : std::string();
        dc->DrawText(name, CellAt(cellRect, x, d.top), kCellFormat);
        dc->SetTextColor(oldColour);
    }
    dc->SelectFont(oldFont);

    oldFont = SketchSelectFittedFont(*dc, datesFace, datesItalic != 0, datesBold != 0, "WWW", cellRect);
    for (int w = 1; w < rows; ++w) {
        for (int c = 0; c < 7; ++c) {
            const auto x = static_cast<int32_t>(d.left + (width * c + 3) / 7);
            const auto y = static_cast<int32_t>(d.top + (height * w + 3) / rows);
            const int32_t n = days[static_cast<size_t>((w - 1) * 7 + c)];
            const uint32_t oldColour = dc->SetTextColor(c == 0 ? kSundayColour : datesColor);
            dc->DrawText(n == -1 ? std::string() : std::to_string(n), CellAt(cellRect, x, y), kCellFormat);
            dc->SetTextColor(oldColour);
        }
    }
    dc->SelectFont(oldFont);

    DrawLines(dc, d);

    const int32_t cellHeight = cellRect.bottom;
    if (headerSelected)
        dc->DrawDragRect(QnRect{d.left, d.top, d.right, d.top + cellHeight}, kBandFrame);
    if (datesSelected)
        dc->DrawDragRect(QnRect{d.left, d.top + cellHeight, d.right, d.bottom}, kBandFrame);
    dc->SetBkMode(oldMode);
}

void CVShape_Cal::DrawLines(CVSketchDC* dc, const QnRect& d) const
{
    QPen pen(Qt::black);
    const int penWidth = dc->Scale().LengthToDevice(1);
    pen.setWidth(penWidth > 1 ? penWidth : 0);
    const int32_t L = d.left, T = d.top, R = d.right, B = d.bottom;
    const int64_t W = int64_t(R) - L, H = int64_t(B) - T;
    const int n = rows;
    const auto e = static_cast<int32_t>(W / 56);
    auto y = [&](int k) { return static_cast<int32_t>(T + (k * H + 3) / n); };
    auto x = [&](int j) { return static_cast<int32_t>(L + (j * W + 3) / 7); };
    auto segments = [&](int k) {
        for (int j = 0; j < 7; ++j)
            Line(dc, pen, x(j) + e, y(k), x(j + 1) - e, y(k));
    };
    switch (gridStyle) {
    case 0:
        // The frame as a rectangle's outline: its right and bottom edges
        // are the last pixels inside.
        dc->Polyline({{L, T}, {R - 1, T}, {R - 1, B - 1}, {L, B - 1}, {L, T}}, pen);
        for (int k = 1; k < n; ++k)
            Line(dc, pen, L, y(k), R, y(k));
        for (int j = 1; j <= 6; ++j)
            Line(dc, pen, x(j), y(1), x(j), B);
        break;
    case 1:
        for (int k = 0; k <= n; ++k)
            Line(dc, pen, L, y(k), R, y(k));
        break;
    case 2:
        Line(dc, pen, L, T, R, T);
        Line(dc, pen, L, B, R, B);
        for (int k = 1; k < n; ++k)
            segments(k);
        break;
    case 3:
        dc->Polyline({{L, T}, {R - 1, T}, {R - 1, B - 1}, {L, B - 1}, {L, T}}, pen);
        break;
    case 4:
        Line(dc, pen, L, T, R, T);
        Line(dc, pen, L, B, R, B);
        segments(1);
        break;
    default:
        break;
    }
}

void CVShape_Cal::EditColor()
{
    uint32_t& colour = headerSelected ? headerColor : datesColor;
    if (const auto chosen = fw::RunColorDialog(colour))
        colour = *chosen;
}

void CVShape_Cal::EditFont()
{
    const bool header = headerSelected != 0;
    int32_t& isItalic = header ? headerItalic : datesItalic;
    int32_t& isBold = header ? headerBold : datesBold;
    std::string& face = header ? headerFace : datesFace;
    std::string sample = "12345";
    if (header)
        sample = dayNames.empty() ? std::string() : dayNames.front();
    SketchFontChoice choice{face, isItalic != 0, isBold != 0, sample};
    if (!SketchRunFontDialog(choice))
        return;
    face = choice.face;
    isItalic = choice.italic ? 1 : 0;
    isBold = choice.bold ? 1 : 0;
}

void CVShape_Cal::Store(fw::Archive& ar)
{
    StoreRect(ar);
    ar << headerColor << headerFace << headerItalic << headerBold << datesColor << datesFace << datesItalic
       << datesBold << headerSelected << datesSelected << gridStyle << month << year << dayNameOption;
}

void CVShape_Cal::Load(fw::Archive& ar)
{
    // Read into a copy first, so a short file changes nothing.
    const QnRect r = LoadRect(ar);
    CVShape_Cal read;
    ar >> read.headerColor >> read.headerFace >> read.headerItalic >> read.headerBold >> read.datesColor >>
        read.datesFace >> read.datesItalic >> read.datesBold >> read.headerSelected >> read.datesSelected >>
        read.gridStyle >> read.month >> read.year >> read.dayNameOption;
    headerColor = read.headerColor;
    headerFace = std::move(read.headerFace);
    headerItalic = read.headerItalic;
    headerBold = read.headerBold;
    datesColor = read.datesColor;
    datesFace = std::move(read.datesFace);
    datesItalic = read.datesItalic;
    datesBold = read.datesBold;
    headerSelected = read.headerSelected;
    datesSelected = read.datesSelected;
    gridStyle = read.gridStyle;
    month = read.month;
    year = read.year;
    dayNameOption = read.dayNameOption;
    FitInto(r);
}
