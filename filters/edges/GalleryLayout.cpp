#include "filters/edges/GalleryLayout.h"

#include <algorithm>

int32_t GalleryLayout::Columns() const { return std::max(1, width_ / kCellWidth); }

int32_t GalleryLayout::RowsPerPage() const { return std::max(1, (height_ - kTabHeight) / kCellHeight); }

GalleryCell GalleryLayout::Cell(int32_t slot) const
{
    const int32_t column = slot % Columns(), row = slot / Columns();
    return GalleryCell{column * kCellWidth + kInset, kTabHeight + row * kCellHeight + kInset, kCellWidth - 2 * kInset,
                       kCellHeight - 2 * kInset};
}

int32_t GalleryLayout::HitTest(int32_t x, int32_t y, int32_t firstRow, int32_t count) const
{
    for (int32_t slot = 0; slot < ItemsPerPage(); ++slot) {
        const GalleryCell c = Cell(slot);
        if (x >= c.x && x < c.x + c.width && y >= c.y && y < c.y + c.height) {
            const int32_t item = ItemAt(slot, firstRow);
            return item < count ? item : -1;
        }
    }
    return -1;
}

int32_t GalleryLayout::Previous(int32_t firstRow) const { return std::max(0, firstRow - RowsPerPage()); }

int32_t GalleryLayout::Next(int32_t firstRow, int32_t count) const
{
    return CanNext(firstRow, count) ? firstRow + RowsPerPage() : firstRow;
}

int32_t GalleryLayout::ClampFirstRow(int32_t firstRow, int32_t count) const
{
    const int32_t rows = (count + Columns() - 1) / Columns();
    return std::clamp(firstRow, 0, std::max(0, rows - 1));
}
