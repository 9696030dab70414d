// A popup menu whose items are the cells of a picture strip: the cells are
// stacked one under the other in the strip, all as high as the strip's
// height divided by their count (a remainder at the bottom is never shown).
// Item i carries the command id firstId + i. The brush panels and the
// calendar dialog offer their picture choices through it.
#pragma once

#include <QImage>
#include <QMenu>
#include <cstdint>

class CLdBitmapMenu : public QMenu {
public:
    explicit CLdBitmapMenu(QWidget* parent = nullptr);

    // Makes count items of the strip's cells, ids firstId + i. False, and
    // no items, for an empty strip or a count that leaves no cell a row.
    bool Create(const QImage& strip, uint32_t firstId, int count);

    // Every item is as wide as the strip and one cell high.
    QSize MeasureItem() const;
    // Item index drawn into rect: its cell at the top, centred across, then
    // a raised edge round rect, sunken for the selected item.
    void DrawItem(QPainter& painter, const QRect& rect, int index, bool selected) const;

    // Shows the menu at a screen point (its top-left corner there, or its
    // top-right one when alignRight) and waits for the choice: the chosen
    // item's id, 0 when nothing was chosen.
    uint32_t Track(const QPoint& screenAt, bool alignRight = false);

    uint32_t FirstId() const { return firstId_; }
    int Count() const { return count_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage strip_;
    uint32_t firstId_ = 0;
    int count_ = 0;
};
