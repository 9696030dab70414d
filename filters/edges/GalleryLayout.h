// Where the gallery's cells lie: rows of 120 x 90 cells under the tab strip,
// as many columns as the width holds, a page being the rows that fit.
// Rows are counted from the first row of the tab's items.
#pragma once

#include <cstdint>

struct GalleryCell {
    int32_t x = 0, y = 0, width = 0, height = 0;
};

class GalleryLayout {
public:
    static constexpr int32_t kCellWidth = 120;
    static constexpr int32_t kCellHeight = 90;
    static constexpr int32_t kTabHeight = 30;
    static constexpr int32_t kInset = 3;

    GalleryLayout(int32_t width, int32_t height) : width_(width), height_(height) {}

    int32_t Columns() const;
    int32_t RowsPerPage() const;
    int32_t ItemsPerPage() const { return Columns() * RowsPerPage(); }

    // The cell (shrunk by the inset) of the slot-th item shown.
    GalleryCell Cell(int32_t slot) const;
    // The item under (x, y) with firstRow shown first, or -1 outside every
    // cell and beyond the last of count items.
    int32_t HitTest(int32_t x, int32_t y, int32_t firstRow, int32_t count) const;
    // The index of the slot-th item shown.
    int32_t ItemAt(int32_t slot, int32_t firstRow) const { return firstRow * Columns() + slot; }

    bool CanPrevious(int32_t firstRow) const { return firstRow > 0; }
    bool CanNext(int32_t firstRow, int32_t count) const { return (firstRow + RowsPerPage()) * Columns() < count; }
    int32_t Previous(int32_t firstRow) const;
    int32_t Next(int32_t firstRow, int32_t count) const;
    // A first row that shows something of count items (a stored one may not).
    int32_t ClampFirstRow(int32_t firstRow, int32_t count) const;

private:
    int32_t width_;
    int32_t height_;
};
