// The palette pane's grid of tool cells: where a cell lies for a client
// width, which cell a point hits and how far the pane scrolls.
#pragma once

#include <QPoint>
#include <QRect>

struct CLdPaletteGrid {
    static constexpr int kMinWidth = 200;

    int cellWidth = 90;
    int cellHeight = 90;

    // At least one column, however narrow the pane.
    int Columns(int clientWidth) const;
    // Top-left of cell i, unscrolled.
    QPoint CellOrigin(int i, int clientWidth) const;
    QRect CellRect(int i, int clientWidth) const { return QRect(CellOrigin(i, clientWidth), QSize(cellWidth, cellHeight)); }
    // The first of count cells under the client point at scroll position
    // scroll; -1 for none.
    int HitTest(QPoint p, int scroll, int count, int clientWidth) const;
    // The scroll range's end: one row beyond the row of the next cell.
    int ScrollTotal(int count, int clientWidth) const { return cellHeight + CellOrigin(count, clientWidth).y(); }
};
