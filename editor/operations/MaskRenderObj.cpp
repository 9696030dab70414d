#include "editor/operations/MaskRenderObj.h"

#include "base/QnExcept.h"
#include "editor/operations/OperationStrings.h"
#include "picture/CSConv.h"
#include "picture/TiledPiece.h"
#include "render/PixConverter.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

constexpr int32_t kTile = 64;
// Wide enough that a row of most pictures is one piece: effects read the
// mask a few rows at a time.
constexpr int32_t kFullTileWidth = 8192, kFullTileHeight = 16;

PpQnPixBuf FilledTile(int32_t width, int32_t height, uint8_t value)
{
    PpQnPixBuf tile = PpQnPixBuf::ForRect(QnRect{0, 0, width, height}, 1);
    for (int32_t y = 0; y < height; ++y)
        std::memset(tile->Row(y), value, size_t(width));
    return tile;
}

// One block of zeros for every mask: a view of it is copied before anyone
// writes to it, so all masks may hand it out.
const PpQnPixBuf& ZeroTile()
{
    static const PpQnPixBuf zeros = FilledTile(kTile, kTile, 0);
    return zeros;
}

// The same for the mask of a whole picture, which is 255 everywhere: no
// mask of a picture's size is made for an effect on all of it.
const PpQnPixBuf& FullTile()
{
    static const PpQnPixBuf full = FilledTile(kFullTileWidth, kFullTileHeight, 255);
    return full;
}

} // namespace

MaskRenderObj::MaskRenderObj(const QnRgn& region, int32_t width, int32_t height)
    : QnRenderObj(1, 0), zeroTile_(ZeroTile())
{
    if (!region) {
        maskRect_ = QnRect{0, 0, width, height};
        fullTile_ = FullTile();
        return;
    }
    maskRect_ = region.box();
    mask_ = PpQnPixBuf::ForRect(maskRect_, 1);
    const size_t rowBytes = size_t(maskRect_.Width());
    for (int32_t y = 0; y < maskRect_.Height(); ++y)
        std::memset(mask_->Row(y), 0, rowBytes);
    for (const QnRect& r : region.rects()) {
        const QnRect part = QnIntersectRect(r, maskRect_);
        for (int32_t y = part.top; y < part.bottom; ++y)
            std::memset(mask_->Row(y - maskRect_.top) + (part.left - maskRect_.left), 255, size_t(part.Width()));
    }
}

int MaskRenderObj::Compare(const PpQnFlVal& other) const
{
    const QnFlVal* self = this;
    const std::less<const QnFlVal*> before;
    return before(self, other.Get()) ? -1 : before(other.Get(), self) ? 1 : 0;
}

QnRect MaskRenderObj::GetRect_I(const QnXFormXY&)
{
    // Masks are read pixel for pixel with the picture they belong to.
    return maskRect_;
}

PpQnPixConverter MaskRenderObj::GetConverterToStd()
{
    return PpQnPixConverter(PpQnCS(PpQnCS::FROM_GRAY));
}

PpQnPixBuf MaskRenderObj::Render_I(const QnXFormXY&, int plane, const QnPoint& anchor, const QnRect& request,
                                   QnRect* got, QnRenderProgress* progress, int rectOnly)
{
    if (!rectOnly)
        QnShowRendering(progress);
    if (plane != 0)
        QnExcept(OperationString(IDS_BAD_PLANE).c_str(), "RgnToSelect", 198).raise();

    QnRect piece;
    const bool inside = maskRect_.Contains(anchor);
    if (inside && fullTile_) {
        piece = CalcRect(anchor, QnIntersectRect(maskRect_, request), kFullTileWidth, kFullTileHeight);
    } else if (inside) {
        piece = QnIntersectRect(maskRect_, request);
    } else {
        const QnRect outside = (QnRgn(request) - QnRgn(maskRect_)).from_point(anchor);
        piece = CalcRect(anchor, outside, kTile, kTile);
    }
    if (got)
        *got = piece;
    if (rectOnly)
        return PpQnPixBuf();
    if (inside && fullTile_)
        return PpQnPixBuf(fullTile_, piece, 0, 0, 0);
    if (inside)
        return PpQnPixBuf(mask_, piece, piece.top - maskRect_.top, piece.left - maskRect_.left, 0);
    return PpQnPixBuf(zeroTile_, piece, 0, 0, 0);
}
