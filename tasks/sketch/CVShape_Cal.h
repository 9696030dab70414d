// The month grid of the calendar page: a header row of day names over five
// or six week rows of day numbers, Sundays in red, with grid lines in one
// of six styles. A hit selects the band under the point (day names or day
// numbers) for the colour and font commands.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tasks/sketch/CVShape_Line.h"

class CVShape_Cal : public CVShape_Line {
    FW_DECLARE_SERIAL(CVShape_Cal)

public:
    static constexpr int kCells = 42;

    CVShape_Cal();
    // A rectangle over a-b with no days yet.
    CVShape_Cal(const QnPoint& a, const QnPoint& b);

    // monthIndex 0 to 11; fills days and rows for that month.
    void SetMonth(int32_t monthIndex, int32_t year);
    // The seven names from Sunday on, how many leading characters of each
    // are drawn, and an option kept with them.
    void SetDayNames(const std::vector<std::string>& names, int32_t shown, int32_t option);
    void SetHeaderFace(const std::string& f) { headerFace = f; }

    // Clears both band flags; inside the grid, selects the day-name band
    // when pt is within the header row's height of the top, else the
    // day-number band.
    int HitTest(const QnPoint& pt) override;
    void Draw(CVSketchDC* dc) override;
    // The colour and font dialogs for the selected band (the day numbers
    // when none is).
    void EditColor() override;
    void EditFont() override;
    // The rectangle and the grid's styling; the days are not stored (the
    // owner sets the month after loading).
    void Store(fw::Archive& ar) override;
    void Load(fw::Archive& ar) override;

    uint32_t headerColor = 0;
    std::string headerFace;
    int32_t headerItalic = 0;
    int32_t headerBold = 0;
    uint32_t datesColor = 0;
    std::string datesFace;
    int32_t datesItalic = 0;
    int32_t datesBold = 0;
    int32_t headerSelected = 0;
    int32_t datesSelected = 0;
    int32_t gridStyle = 0;
    int32_t month = 0;
    int32_t year = 0;
    int32_t dayNameOption = 0;
    int32_t shownChars = 0;
    std::vector<std::string> dayNames;
    // Day number of each cell, row by row from the first week, Sunday
    // first; -1 for an empty cell.
    std::array<int32_t, kCells> days;
    // The header row and 5 or 6 week rows.
    int32_t rows = 6;
    // Kept by the last drawing, in device units.
    QnRect deviceRect;
    QnRect cellRect;

private:
    void DrawLines(CVSketchDC* dc, const QnRect& d) const;
};
