// The popup menu of picture cells: what it measures, draws and answers.
#include <gtest/gtest.h>

#include <QAction>
#include <QPainter>

#include "framework/ControlId.h"
#include "framework/PopupMenu.h"
#include "tasks/module/LdBitmapMenu.h"

namespace {

// A strip whose row y is grey level 10 * y, so a pixel tells its row.
QImage RowStrip(int width, int height)
{
    QImage strip(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            strip.setPixel(x, y, qRgb(10 * y, 10 * y, 10 * y));
    return strip;
}

int RowOf(QRgb pixel) { return qRed(pixel) / 10; }

// Answers every tracked menu with the item at index (none for -1) and
// remembers the point it was shown at.
class MenuAnswer {
public:
    explicit MenuAnswer(int index)
    {
        previous_ = fw::SetPopupMenuHook([this, index](QMenu& menu, const QPoint& at) -> QAction* {
            ++shown;
            shownAt = at;
            return index < 0 ? nullptr : menu.actions().value(index);
        });
    }
    ~MenuAnswer() { fw::SetPopupMenuHook(previous_); }

    int shown = 0;
    QPoint shownAt;

private:
    fw::PopupMenuHook previous_;
};

}  // namespace

TEST(BitmapMenu, ItemsCarryTheirIdsAndTheCellHeightLeavesTheRemainderOut)
{
    // 23 rows in 4 cells: cells of 5 rows, the last 3 rows never shown.
    CLdBitmapMenu menu;
    ASSERT_TRUE(menu.Create(RowStrip(10, 23), 700, 4));
    EXPECT_EQ(menu.MeasureItem(), QSize(10, 5));
    EXPECT_EQ(menu.sizeHint(), QSize(10, 20));
    const QList<QAction*> items = menu.actions();
    ASSERT_EQ(items.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(fw::ControlId(items[i]), 700u + uint32_t(i));
        EXPECT_EQ(menu.actionGeometry(items[i]), QRect(0, 5 * i, 10, 5));
    }

    // Inside the 2-pixel edge each item shows its own cell, whose top is
    // index * height / count (the product first: cell 3 starts at row 17).
    const QImage shown = menu.grab().toImage();
    const int cellTop[] = {0, 5, 11, 17};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(RowOf(shown.pixel(5, 5 * i + 2)), cellTop[i] + 2);
    }
}

TEST(BitmapMenu, DrawsTheCellCentredInARaisedEdgeSunkenWhenSelected)
{
    CLdBitmapMenu menu;
    ASSERT_TRUE(menu.Create(RowStrip(10, 23), 1, 4));
    auto draw = [&](bool selected) {
        QImage item(20, 5, QImage::Format_RGB32);
        item.fill(Qt::magenta);
        QPainter painter(&item);
        menu.DrawItem(painter, item.rect(), 2, selected);
        return item;
    };
    const QImage raised = draw(false);
    const QImage sunken = draw(true);
    // The cell sits from x = 5 to 14, rows 11 to 15 of the strip.
    for (const QImage& item : {raised, sunken}) {
        EXPECT_EQ(RowOf(item.pixel(5, 2)), 13);
        EXPECT_EQ(RowOf(item.pixel(14, 2)), 13);
        EXPECT_EQ(item.pixel(4, 2), QColor(Qt::magenta).rgb());
        EXPECT_EQ(item.pixel(15, 2), QColor(Qt::magenta).rgb());
    }
    // A raised edge is lit at its top-left, a sunken one shaded there.
    EXPECT_GT(qGray(raised.pixel(0, 0)), qGray(sunken.pixel(0, 0)));
    EXPECT_LT(qGray(raised.pixel(19, 4)), qGray(sunken.pixel(19, 4)));
}

TEST(BitmapMenu, TrackAnswersTheChosenIdOrNothing)
{
    const struct {
        int answer;
        bool alignRight;
        uint32_t expected;
        QPoint shownAt;
    } cases[] = {
        {2, false, 42, {100, 50}},
        {0, true, 40, {90, 50}},  // right edge at the point: 10 wide
        {-1, false, 0, {100, 50}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        CLdBitmapMenu menu;
        ASSERT_TRUE(menu.Create(RowStrip(10, 40), 40, 4));
        MenuAnswer answer(c.answer);
        EXPECT_EQ(menu.Track({100, 50}, c.alignRight), c.expected);
        EXPECT_EQ(answer.shown, 1);
        EXPECT_EQ(answer.shownAt, c.shownAt);
    }
}

TEST(BitmapMenu, NoStripOrTooManyCellsMakesNoMenu)
{
    const struct {
        QImage strip;
        int count;
    } cases[] = {{QImage(), 4}, {RowStrip(10, 3), 4}, {RowStrip(10, 40), 0}};
    for (const auto& c : cases) {
        CLdBitmapMenu menu;
        EXPECT_FALSE(menu.Create(c.strip, 1, c.count));
        EXPECT_TRUE(menu.actions().isEmpty());
        MenuAnswer answer(0);
        EXPECT_EQ(menu.Track({0, 0}), 0u);
        EXPECT_EQ(answer.shown, 0);
    }
}
