// The paint step of the blitter: one tile's DIB shown over the visible part
// of the tile, and nowhere else.
#pragma once

#include "blt/DeviceContext.h"
#include "blt/Dib.h"
#include "render/Rgn.h"

#include <cstdint>

// visible: the part of the tile to show, in logical coordinates; tile: the
// tile's rectangle on the zoomed plane (zoomed = logical + (dx, dy)). The
// context's mapping and clip are as they were afterwards.
void QnBltPaintTile(DeviceContext& dc, const QnRgn& visible, int32_t dx, int32_t dy, const QnRect& tile,
                    const QnDib& dib);
