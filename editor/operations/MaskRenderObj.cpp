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

// One block of zeros for every mask: a view of it is copied before anyone
// writes to it, so all masks may hand it out.
const PpQnPixBuf& ZeroTile()
{
    static const PpQnPixBuf zeros = [] {
        PpQnPixBuf tile = PpQnPixBuf::ForRect(QnRect{0, 0, kTile, kTile}, 1);
        for (int32_t y = 0; y < kTile; ++y)
            std::memset(tile->Row(y), 0, kTile);
        return tile;
    }();
    return zeros;
}

} // namespace

MaskRenderObj::MaskRenderObj(const QnRgn& region, int32_t width, int32_t height)
    : QnRenderObj(1, 0), zeroTile_(ZeroTile())
{
    const bool whole = !region;
    maskRect_ = whole ? QnRect{0, 0, width, height} : region.box();
    mask_ = PpQnPixBuf::ForRect(maskRect_, 1);
    const size_t rowBytes = size_t(maskRect_.Width());
    for (int32_t y = 0; y < maskRect_.Height(); ++y)
        std::memset(mask_->Row(y), whole ? 255 : 0, rowBytes);
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
    if (inside) {
        piece = QnIntersectRect(maskRect_, request);
    } else {
        const QnRect outside = (QnRgn(request) - QnRgn(maskRect_)).from_point(anchor);
        piece = CalcRect(anchor, outside, kTile, kTile);
    }
    if (got)
        *got = piece;
    if (rectOnly)
        return PpQnPixBuf();
    if (inside)
        return PpQnPixBuf(mask_, piece, piece.top - maskRect_.top, piece.left - maskRect_.left, 0);
    return PpQnPixBuf(zeroTile_, piece, 0, 0, 0);
}
