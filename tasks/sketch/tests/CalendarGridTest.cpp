// The month grid's days, its band selection and editing, and the flat
// stored forms the calendar file holds.
#include <gtest/gtest.h>

#include "framework/ColorDialog.h"
#include "framework/Exception.h"
#include "tasks/sketch/CVShape_Cal.h"
#include "tasks/sketch/CVShape_Line.h"
#include "tasks/sketch/CVShape_Text.h"
#include "tasks/sketch/CVSketch.h"
#include "tasks/sketch/SketchDialogs.h"
#include "tasks/sketch/tests/SketchTestSupport.h"

namespace {

using namespace sketchtest;

TEST(CalendarGrid, SetMonthFillsTheCellsFromTheFirstWeekday)
{
    struct Case {
        int monthIndex, year;
        int firstCell, lastCell, rows;
    };
    const Case cases[] = {
        {1, 2015, 0, 27, 6},   // 1 February 2015 is a Sunday; four full weeks
        {7, 2020, 6, 36, 7},   // August 2020 starts on a Saturday with 31 days
        {4, 2026, 5, 35, 7},   // May 2026 starts on a Friday: the 31st is cell 35
        {1, 2024, 4, 32, 6},   // a leap February from a Thursday
        {8, 1752, 5, 34, 6},   // the proleptic calendar: no days are skipped
        {11, 2036, 1, 31, 6},
    };
    for (const Case& c : cases) {
        CVShape_Cal cal({0, 0}, {70, 70});
        cal.SetMonth(c.monthIndex, c.year);
        EXPECT_EQ(cal.month, c.monthIndex + 1);
        EXPECT_EQ(cal.year, c.year);
        EXPECT_EQ(cal.rows, c.rows) << c.year << "-" << c.monthIndex;
        for (int i = 0; i < CVShape_Cal::kCells; ++i) {
            const int expected = i < c.firstCell || i > c.lastCell ? -1 : i - c.firstCell + 1;
            ASSERT_EQ(cal.days[size_t(i)], expected) << c.year << "-" << c.monthIndex << " cell " << i;
        }
    }
    CVShape_Cal odd({0, 0}, {70, 70});
    odd.SetMonth(12, 2020);
    EXPECT_EQ(odd.days[0], -1);
    EXPECT_EQ(odd.rows, 6);
}

TEST(CalendarGrid, HitSelectsTheBandUnderThePoint)
{
    // 700 wide and 350 high in 7 rows: the header row is 50 high.
    CVShape_Cal cal({0, 0}, {700, 350});
    cal.SetMonth(7, 2020);
    ASSERT_EQ(cal.rows, 7);
    struct Case {
        QnPoint pt;
        int hit, header, dates;
    };
    const Case cases[] = {
        {{10, 0}, 1, 1, 0}, {{699, 49}, 1, 1, 0}, {{10, 50}, 1, 0, 1},
        {{10, 99}, 1, 0, 1}, {{10, 349}, 1, 0, 1}, {{700, 10}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        cal.headerSelected = cal.datesSelected = 1;
        EXPECT_EQ(cal.HitTest(c.pt), c.hit);
        EXPECT_EQ(cal.headerSelected, c.header) << c.pt.y;
        EXPECT_EQ(cal.datesSelected, c.dates) << c.pt.y;
    }
}

TEST(CalendarGrid, ColourAndFontEditTheSelectedBand)
{
    CVShape_Cal cal({0, 0}, {700, 300});
    cal.SetDayNames({"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "extra"}, 3, 1);
    EXPECT_EQ(cal.dayNames.size(), 7u);
    EXPECT_EQ(cal.shownChars, 3);
    EXPECT_EQ(cal.dayNameOption, 1);

    uint32_t offered = 0;
    auto previousColour = fw::SetColorDialogHook([&](fw::ColorRef initial) {
        offered = initial;
        return std::optional<fw::ColorRef>(0x00ABCDEF);
    });
    std::vector<SketchFontChoice> asked;
    auto previousFont = SetSketchFontDialogRunner([&](SketchFontChoice& choice) {
        asked.push_back(choice);
        choice.face = "Courier New";
        choice.italic = true;
        choice.bold = true;
        return true;
    });

    cal.headerColor = 0x11;
    cal.datesColor = 0x22;
    cal.HitTest({5, 5});
    cal.EditColor();
    EXPECT_EQ(offered, 0x11u);
    EXPECT_EQ(cal.headerColor, 0x00ABCDEFu);
    EXPECT_EQ(cal.datesColor, 0x22u);
    cal.EditFont();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].sample, "Sunday");
    EXPECT_EQ(cal.headerFace, "Courier New");
    EXPECT_EQ(cal.headerItalic, 1);
    EXPECT_EQ(cal.datesBold, 0);

    cal.HitTest({5, 200});
    cal.EditColor();
    EXPECT_EQ(offered, 0x22u);
    cal.EditFont();
    EXPECT_EQ(asked[1].sample, "12345");
    EXPECT_EQ(cal.datesFace, "Courier New");

    CVShape_Text text({0, 0}, {10, 10});
    text.SetText("2001");
    text.EditFont();
    EXPECT_EQ(asked[2].sample, "2001");
    EXPECT_EQ(asked[2].face, "Arial");
    EXPECT_EQ(text.bold, 1);

    // Cancelled dialogs change nothing.
    fw::SetColorDialogHook([](fw::ColorRef) { return std::optional<fw::ColorRef>(); });
    SetSketchFontDialogRunner([](SketchFontChoice& c) { c.face = "x"; return false; });
    text.EditColor();
    text.EditFont();
    EXPECT_EQ(text.color, 0u);
    EXPECT_EQ(text.face, "Courier New");

    fw::SetColorDialogHook(previousColour);
    SetSketchFontDialogRunner(previousFont);
}

TEST(FlatForm, ShapesWriteTheirRectangleAndStyling)
{
    CVShape_Line frame(CVSketch::kModeRect, {30, 40}, {10, 20});
    EXPECT_EQ(StoreFlat(frame), ByteWriter().i32(10).i32(20).i32(30).i32(40).bytes);

    CVShape_Text text({0, 0}, {100, 20});
    text.SetText("May");
    text.color = 0x00FF0000;
    text.SetFont("Arial", 1, 0);
    EXPECT_EQ(StoreFlat(text),
              ByteWriter().i32(0).i32(0).i32(100).i32(20).str("May").u32(0x00FF0000).str("Arial").u32(1).u32(0).bytes);

    CVShape_Cal cal({0, 50}, {700, 350});
    cal.SetMonth(4, 2026);
    cal.headerColor = 1;
    cal.headerFace = "Arial";
    cal.headerBold = 1;
    cal.datesColor = 2;
    cal.datesItalic = 1;
    cal.datesSelected = 1;
    cal.gridStyle = 4;
    cal.dayNameOption = 1;
    ByteWriter w;
    w.i32(0).i32(50).i32(700).i32(350);
    w.u32(1).str("Arial").u32(0).u32(1).u32(2).str("").u32(1).u32(0).u32(0).u32(1).u32(4).u32(5).u32(2026).u32(1);
    EXPECT_EQ(StoreFlat(cal), w.bytes);
}

TEST(FlatForm, LoadingFitsThePresentShapeIntoTheStoredRectangle)
{
    CVShape_Text stored({10, 10}, {110, 30});
    stored.SetText("2024");
    stored.color = 0x0000FF;
    stored.SetFont("Times New Roman", 0, 1);
    const Bytes bytes = StoreFlat(stored);

    CVShape_Text present({0, 0}, {50, 50});
    LoadFlat(present, bytes);
    EXPECT_EQ(present.GetBoundRect(), (QnRect{10, 10, 110, 30}));
    EXPECT_EQ(present.points.size(), 4u);
    EXPECT_EQ(present.text, "2024");
    EXPECT_EQ(present.color, 0x0000FFu);  // the flat form keeps the colour
    EXPECT_EQ(present.face, "Times New Roman");
    EXPECT_EQ(present.bold, 1);

    CVShape_Cal grid({0, 0}, {70, 60});
    grid.SetMonth(1, 2015);
    grid.headerSelected = 1;
    grid.gridStyle = 2;
    CVShape_Cal other({5, 5}, {10, 10});
    other.SetMonth(7, 2020);
    LoadFlat(other, StoreFlat(grid));
    EXPECT_EQ(other.GetBoundRect(), (QnRect{0, 0, 70, 60}));
    EXPECT_EQ(other.headerSelected, 1);
    EXPECT_EQ(other.gridStyle, 2);
    EXPECT_EQ(other.month, 2);
    // The days are not reloaded: the owner sets the month again.
    EXPECT_EQ(other.days[6], 1);
    EXPECT_EQ(other.rows, 7);
}

TEST(FlatForm, AShortFileLeavesTheShapeAsItWas)
{
    CVShape_Cal grid({0, 0}, {70, 60});
    grid.gridStyle = 3;
    const Bytes full = StoreFlat(grid);
    for (size_t cut = 0; cut < full.size(); ++cut) {
        CVShape_Cal target({1, 2}, {3, 4});
        target.gridStyle = 5;
        target.headerFace = "keep";
        EXPECT_THROW(LoadFlat(target, Bytes(full.begin(), full.begin() + long(cut))), fw::ArchiveException);
        EXPECT_EQ(target.gridStyle, 5);
        EXPECT_EQ(target.headerFace, "keep");
        EXPECT_EQ(target.GetBoundRect(), (QnRect{1, 2, 3, 4}));
    }
}

}  // namespace
