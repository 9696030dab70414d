// How tiled objects (pictures, empty pictures) answer a request at the
// identity transform: with the part of the anchor's 64 x 64 cell that lies on
// the same side of their bounds as the anchor, handed out as a view of a
// tile without copying pixels.
#pragma once

#include "render/PixBuf.h"
#include "render/Rect.h"
#include "render/RenderProgress.h"
#include "render/XFormXY.h"

#include <cstdint>

// The 64 x 64 cell that holds p, by floor division (so (-1, -1) lies in
// (-64, -64, 0, 0)); cut at the end of the coordinate range.
QnRect QnTileCell(const QnPoint& p);

struct QnTiledPiece {
    QnRect cell;
    QnRect got;  // inside the request, holds the anchor
    bool inside; // the anchor lies within the bounds
};

// The piece for anchor: inside the bounds the cell cut to them, outside the
// rectangle of (cell - bounds) that holds the anchor; then cut to request.
QnTiledPiece QnTiledPieceFor(const QnPoint& anchor, const QnRect& bounds, const QnRect& request);

// A view of tile (whose row 0 and byte 0 are the cell's corner) over got.
PpQnPixBuf QnTileView(const PpQnPixBuf& tile, const QnTiledPiece& piece, int32_t bytesPerPixel);

// What a tiled object shows while it answers: its text and one full step.
void QnShowRendering(QnRenderProgress* progress);

inline bool QnIsIdentity(const QnXFormXY& xf) { return xf == QnXFormXY(); }
