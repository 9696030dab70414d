// The calendar view under synthetic mouse input: selecting by click and by
// frame, moving and resizing the selection by its edges, Shift keeping a
// drag to an axis or the diagonal, and the Font and Color buttons following
// the selection.
#include "tasks/module/tests/CalendarFixture.h"

#include <QTest>

#include "tasks/module/calendar/LdCalendarView.h"
#include "tasks/sketch/CVShape_Cal.h"
#include "tasks/sketch/CVShape_Line.h"
#include "tasks/sketch/CVShape_Text.h"

namespace {

QPoint At(int32_t x, int32_t y) { return QPoint(x, y); }

// Press at from, move through the middle to to, release there.
void Drag(QWidget* view, const QPoint& from, const QPoint& to, Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    QTest::mousePress(view, Qt::LeftButton, keys, from);
    QTest::mouseEvent(QTest::MouseMove, view, Qt::NoButton, keys, (from + to) / 2);
    QTest::mouseEvent(QTest::MouseMove, view, Qt::NoButton, keys, to);
    QTest::mouseRelease(view, Qt::LeftButton, keys, to);
}

QnRect Moved(const QnRect& r, int32_t dx, int32_t dy) { return QnRect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

}  // namespace

using CalendarView = CalendarFixture;

TEST(CalendarViewConstraint, ShiftKeepsADragToAnAxisOrTheDiagonal)
{
    const struct {
        QnPoint to, expected;
    } cases[] = {
        {{30, 5}, {30, 0}},     // mostly across: horizontal
        {{-4, 40}, {0, 40}},    // mostly down: vertical
        {{30, 20}, {30, 30}},   // between: the diagonal of the longer side
        {{30, -20}, {30, -30}},
        {{-10, 20}, {-20, 20}},
        {{0, 0}, {1, 1}},       // no move counts as one step each way
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.to.x) + "," + std::to_string(c.to.y));
        EXPECT_EQ(CLdCalendarView::ConstrainPoint(QnPoint{100, 100}, QnPoint{100 + c.to.x, 100 + c.to.y}),
                  (QnPoint{100 + c.expected.x, 100 + c.expected.y}));
    }
}

TEST_F(CalendarView, AClickSelectsTheFrontShapeAndTheStyleButtonsFollow)
{
    RunWizard([&](CLdCalendarDialog& dialog) {
        CLdCalendarView* view = dialog.View();
        const CLdCalendarPage& page = dialog.Page();
        QWidget* font = dialog.GetDlgItem(CLdCalendarDialog::IDC_FONT);
        QWidget* color = dialog.GetDlgItem(CLdCalendarDialog::IDC_COLOR);
        const QnRect picture = page.PictureShape()->GetBoundRect();
        const QnRect grid = page.Grid()->GetBoundRect();
        const QnRect year = page.YearText()->GetBoundRect();
        const struct {
            QPoint at;
            const CVShape* selected;
            bool styled;
        } cases[] = {
            {At((picture.left + picture.right) / 2, (picture.top + picture.bottom) / 2), page.PictureShape(), false},
            {At(grid.left + 20, grid.bottom - 20), page.Grid(), true},
            {At((year.left + year.right) / 2, (year.top + year.bottom) / 2), page.YearText(), true},
            {At(5, 2), page.MonthText(), true},
            {At(view->width() - 1, view->height() - 1), nullptr, false},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(std::to_string(c.at.x()) + "," + std::to_string(c.at.y()));
            QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, c.at);
            EXPECT_EQ(page.Sketch().GetSelected(), c.selected);
            EXPECT_EQ(font->isVisibleTo(&dialog), c.styled);
            EXPECT_EQ(color->isVisibleTo(&dialog), c.styled);
            EXPECT_EQ(view->dragging, 0);
        }
        // A click in the grid's header row selects the day-name band.
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, At(grid.left + 20, grid.top + 3));
        EXPECT_EQ(page.Grid()->headerSelected, 1);
        EXPECT_EQ(page.Grid()->datesSelected, 0);
    });
}

TEST_F(CalendarView, DraggingAnEdgeMovesTheShapeAndACornerResizesIt)
{
    RunWizard([&](CLdCalendarDialog& dialog) {
        CLdCalendarView* view = dialog.View();
        const CLdCalendarPage& page = dialog.Page();

        // The month title, grabbed by its left edge and moved.
        const QnRect month = page.MonthText()->GetBoundRect();
        const QPoint edge = At(month.left + 2, (month.top + month.bottom) / 2);
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, edge);
        Hover(view, edge);
        EXPECT_EQ(CVSketch::GetDragHandle(), CVSketch::kHandleMove);
        EXPECT_EQ(view->cursor().shape(), Qt::SizeAllCursor);
        QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, edge);
        QTest::mouseMove(view, edge + QPoint(5, 5));
        EXPECT_EQ(view->moved, 1);
        QTest::mouseMove(view, edge + QPoint(20, 10));
        // The frame follows: the selection moved, one pixel out each side.
        EXPECT_EQ(view->DragRect(), (QnRect{month.left + 19, month.top + 9, month.right + 21, month.bottom + 11}));
        QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, edge + QPoint(20, 10));
        EXPECT_EQ(page.MonthText()->GetBoundRect(), Moved(month, 20, 10));
        EXPECT_EQ(view->moved, 0);

        // The grid, grabbed by its bottom-right corner and made smaller.
        const QnRect grid = page.Grid()->GetBoundRect();
        const QPoint corner = At(grid.right - 2, grid.bottom - 2);
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, At(grid.left + 20, grid.bottom - 20));
        Hover(view, corner);
        EXPECT_EQ(CVSketch::GetDragHandle(), CVSketch::kHandleBottomRight);
        EXPECT_EQ(view->cursor().shape(), Qt::SizeFDiagCursor);
        Drag(view, corner, corner - QPoint(40, 30));
        EXPECT_EQ(page.Grid()->GetBoundRect(), (QnRect{grid.left, grid.top, grid.right - 40, grid.bottom - 30}));
        EXPECT_EQ(page.Sketch().GetSelected(), page.Grid());
    });
}

TEST_F(CalendarView, ShiftDragsMoveAlongAnAxisOrTheDiagonal)
{
    const struct {
        QPoint by, moved;
    } cases[] = {
        {{30, 5}, {30, 0}},
        {{30, 20}, {30, 30}},
        {{3, -25}, {0, -25}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.by.x()) + "," + std::to_string(c.by.y()));
        RunWizard([&](CLdCalendarDialog& dialog) {
            CLdCalendarView* view = dialog.View();
            const CLdCalendarPage& page = dialog.Page();
            const QnRect year = page.YearText()->GetBoundRect();
            const QPoint edge = At((year.left + year.right) / 2, year.bottom - 2);
            QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, edge);
            Hover(view, edge);
            Drag(view, edge, edge + c.by, Qt::ShiftModifier);
            EXPECT_EQ(page.YearText()->GetBoundRect(), Moved(year, c.moved.x(), c.moved.y()));
        });
    }
}

TEST_F(CalendarView, AFrameDrawnAroundAShapeSelectsIt)
{
    RunWizard([&](CLdCalendarDialog& dialog) {
        CLdCalendarView* view = dialog.View();
        const CLdCalendarPage& page = dialog.Page();
        const QnRect year = page.YearText()->GetBoundRect();
        // From empty page left of the year title to below its corner.
        const QPoint from = At(year.left - 10, year.top - 2);
        Hover(view, from);
        EXPECT_EQ(CVSketch::GetDragHandle(), CVSketch::kHandleNone);
        QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, from);
        EXPECT_EQ(page.Sketch().GetSelected(), nullptr);
        QTest::mouseMove(view, from + QPoint(1, 1));
        QTest::mouseMove(view, At(year.right + 1, year.bottom + 3));
        EXPECT_EQ(view->DragRect(), (QnRect{from.x() - 1, from.y() - 1, year.right + 2, year.bottom + 4}));
        QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, At(year.right + 1, year.bottom + 3));
        EXPECT_EQ(page.Sketch().GetSelected(), page.YearText());
        EXPECT_EQ(page.YearText()->GetBoundRect(), year);
        EXPECT_TRUE(dialog.GetDlgItem(CLdCalendarDialog::IDC_FONT)->isVisibleTo(&dialog));
    });
}
