// What the brush and clone strokes share: the dab squares of a stroke's
// points and the walk that visits, tile by tile of the picture, every part
// of a dab square inside the changed rectangle.
#pragma once

#include "editor/operations/PictureRowAccess.h"
#include "editor/painting/BrushDab.h"
#include "editor/painting/BrushModes.h"
#include "picture/Picture.h"

#include <vector>

// The size x size square centred on p (the centre rounds up and left).
QnRect DabSquare(const QnPoint& p, int32_t size);
// The squares of points in order, and their bounding box in *box.
std::vector<QnRect> DabSquares(const std::vector<QnPoint>& points, int32_t size, QnRect* box);

// For each part T of area that one tile of the picture holds (tiles left to
// right, then down), calls onPart(tile, tileRect, T): the tile's writable
// buffer (Row() makes its store private before the first write) and the
// rectangle it covers.
template <class OnPart>
void WalkTileParts(const PpQnPicture& picture, const QnRect& area, OnPart onPart)
{
    constexpr int32_t kTile = QnPicture::kTile;
    for (int32_t ty = area.top / kTile * kTile; ty < area.bottom; ty += kTile)
        for (int32_t tx = area.left / kTile * kTile; tx < area.right; tx += kTile) {
            const QnRect piece = QnIntersectRect(area, QnRect{tx, ty, tx + kTile, ty + kTile});
            if (piece.IsEmpty())
                continue;
            QnRect tileRect;
            PpQnPixBuf tile = picture->GetAccessToBuffer(0, QnPoint{piece.left, piece.top}, &tileRect);
            const QnRect t = QnIntersectRect(piece, tileRect);
            if (!t.IsEmpty())
                onPart(tile, tileRect, t);
        }
}

// For each tile part T of changed, calls onTile(T); then, for each square S
// meeting T in list order, onDab(area, S, C) with C = S n T and area the
// picture's writable pixels over C, the selection mask's values and the
// dab's coverage (image rows, top down).
template <class OnTile, class OnDab>
void WalkDabs(const PpQnPicture& picture, const PpQnRenderObj& mask, const std::vector<QnRect>& squares,
              const QnRect& changed, const BrushDabMask& dab, int32_t bpp, OnTile onTile, OnDab onDab)
{
    WalkTileParts(picture, changed, [&](PpQnPixBuf& tile, const QnRect& tileRect, const QnRect& t) {
        onTile(t);
        const PictureRowAccess selection(mask, 1, t);
        for (const QnRect& s : squares) {
            const QnRect c = QnIntersectRect(s, t);
            if (c.IsEmpty())
                continue;
            const DabArea area{tile->Row(c.top - tileRect.top) + ptrdiff_t(c.left - tileRect.left) * bpp,
                               tile->GetRowBytes(),
                               selection.Row(c.top - t.top) + (c.left - t.left),
                               selection.Stride(),
                               dab.ImageRow(c.top - s.top) + (c.left - s.left),
                               -ptrdiff_t(dab.stride),
                               int32_t(c.Width()),
                               int32_t(c.Height()),
                               bpp};
            onDab(area, s, c);
        }
    });
}
