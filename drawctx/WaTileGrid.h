// The drawing context's cache of what it drew: a grid of 128 x 128 tiles
// over the picture's area in the window, each a 24-bit bitmap that may be
// dropped (discarded) at any time and is then rendered again.
#pragma once

#include "blt/DibBits.h"
#include "render/Rect.h"

#include <cstdint>
#include <vector>

class WaTileGrid {
public:
    static constexpr int32_t kTile = 128;

    struct Tile {
        QnRect rect;               // client coordinates
        std::vector<uint8_t> bits; // bottom-up rows; empty when there is no bitmap

        DibBits Dib() const { return DibBits{kTile, kTile, bits.data()}; }
    };

    // Lays the grid over area (client coordinates). The tiles keep their
    // bitmaps: a grid that only moved keeps what it shows.
    void SetArea(const QnRect& area);
    const QnRect& Area() const { return area_; }
    int32_t Columns() const { return columns_; }
    int32_t Rows() const { return rows_; }
    Tile& At(int32_t row, int32_t column) { return tiles_[size_t(row * columns_ + column)]; }

    // Gives the tile a bitmap when it has none: 0 when its contents are
    // valid, 1 when the bitmap is new, 2 when none can be made.
    int Lock(Tile& tile);
    // Drops every bitmap, as the system may under memory pressure.
    void Discard();
    // Bitmaps held.
    int32_t BitmapCount() const;

private:
    QnRect area_;
    int32_t columns_ = 0;
    int32_t rows_ = 0;
    std::vector<Tile> tiles_;
};
