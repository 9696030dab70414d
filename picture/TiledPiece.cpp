#include "picture/TiledPiece.h"

#include "picture/BlankTiles.h"
#include "picture/PictureRcStr.h"
#include "render/Rgn.h"

#include <algorithm>
#include <limits>

namespace {

int32_t CellStart(int32_t v)
{
    const int64_t t = QnBlankTiles::kTile;
    const int64_t q = v >= 0 ? v / t : -((-int64_t(v) + t - 1) / t);
    return int32_t(q * t);
}

int32_t CellEnd(int32_t start)
{
    return int32_t(std::min<int64_t>(int64_t(start) + QnBlankTiles::kTile, std::numeric_limits<int32_t>::max()));
}

} // namespace

QnRect QnTileCell(const QnPoint& p)
{
    const int32_t left = CellStart(p.x), top = CellStart(p.y);
    return QnRect{left, top, CellEnd(left), CellEnd(top)};
}

QnTiledPiece QnTiledPieceFor(const QnPoint& anchor, const QnRect& bounds, const QnRect& request)
{
    QnTiledPiece piece;
    piece.cell = QnTileCell(anchor);
    piece.inside = bounds.Contains(anchor);
    const QnRect part = piece.inside ? QnIntersectRect(piece.cell, bounds)
                                     : (QnRgn(piece.cell) - QnRgn(bounds)).from_point(anchor);
    piece.got = QnIntersectRect(part, request);
    return piece;
}

PpQnPixBuf QnTileView(const PpQnPixBuf& tile, const QnTiledPiece& piece, int32_t bytesPerPixel)
{
    return PpQnPixBuf(tile, piece.got, piece.got.top - piece.cell.top,
                      (piece.got.left - piece.cell.left) * bytesPerPixel, 0);
}

void QnShowRendering(QnRenderProgress* progress)
{
    if (!progress)
        return;
    progress->SetText(QnPictureText(QN_PIC_RENDERING).c_str());
    progress->SetTotal(1);
    progress->SetCurrent(1);
}
