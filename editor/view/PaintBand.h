// Which part of a pending repaint the picture view paints now: one 128 x 128
// tile of the grid fixed to the picture's scroll origin, the lowest tile row
// the region touches and in it the leftmost tile, so that input is handled
// between tiles and the rest is painted by the next paint events.
#pragma once

#include <QRegion>
#include <cstdint>

constexpr int32_t kViewTile = 128;

// The part of update (window coordinates) to paint now, for the scroll
// position (sx, sy). It costs the rectangles of the lowest tile row only,
// whatever the size of the rest of update.
QRegion PaintBand(const QRegion& update, int32_t sx, int32_t sy);
