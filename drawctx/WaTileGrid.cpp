#include "drawctx/WaTileGrid.h"

#include <new>

void WaTileGrid::SetArea(const QnRect& area)
{
    area_ = area;
    const int32_t columns = area.IsEmpty() ? 0 : (area.Width() + kTile - 1) / kTile;
    const int32_t rows = area.IsEmpty() ? 0 : (area.Height() + kTile - 1) / kTile;
    const size_t needed = size_t(columns) * size_t(rows);
    if (needed > tiles_.size()) {
        // The array only grows; its old bitmaps go with it.
        tiles_.clear();
        tiles_.resize(needed);
    } else if (columns != columns_ || rows != rows_) {
        // Another shape: a tile's place no longer matches its pixels.
        Discard();
    }
    columns_ = columns;
    rows_ = rows;
    for (int32_t i = 0; i < rows; ++i)
        for (int32_t j = 0; j < columns; ++j)
            At(i, j).rect = QnRect{area.left + kTile * j, area.top + kTile * i, area.left + kTile * (j + 1),
                                   area.top + kTile * (i + 1)};
}

int WaTileGrid::Lock(Tile& tile)
{
    if (!tile.bits.empty())
        return 0;
    try {
        tile.bits.resize(size_t(DibBits{kTile, kTile, nullptr}.RowBytes()) * kTile);
    } catch (const std::bad_alloc&) {
        return 2;
    }
    return 1;
}

void WaTileGrid::Discard()
{
    for (Tile& t : tiles_)
        std::vector<uint8_t>().swap(t.bits);
}

int32_t WaTileGrid::BitmapCount() const
{
    int32_t n = 0;
    for (const Tile& t : tiles_)
        n += t.bits.empty() ? 0 : 1;
    return n;
}
