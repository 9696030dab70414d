// The palette pane's grid of tool cells: where a cell lies for a client
// width, which cell a point hits, how far the pane scrolls, a scroll
// request's move, and the window's smallest width while it is sized.
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

// Scroll requests of a vertical scroll bar.
enum class LdScrollCode { LineUp, LineDown, PageUp, PageDown, Thumb, Top, Bottom, Other };
// The move of a request from position pos in a range of total: a pixel per
// line, a tenth of the range per page, never past either end.
int LdPaletteScrollChange(LdScrollCode code, int pos, int thumb, int total);

// The window rectangle while an edge is dragged: at least kMinWidth wide,
// moving only the dragged side (left: the left edge is dragged).
QRect LdLimitPaletteSizing(QRect r, bool leftEdge);
