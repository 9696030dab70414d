#include "blt/Blt.h"

#include "blt/BltPaint.h"
#include "blt/RgnMap.h"
#include "render/FillRenderObj.h"
#include "render/PixConverter.h"
#include "render/StretchRenderObj.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace {

int32_t TileSize(int32_t size) { return size > 0 ? size : QnBlt::kDefaultTile; }

int32_t CeilDiv(int64_t n, int32_t d) { return n <= 0 ? 0 : int32_t((n + d - 1) / d); }

// The tile that holds offset (from the bounds' edge), within 0 .. count - 1.
int32_t TileIndex(int64_t offset, int32_t size, int32_t count)
{
    return int32_t(std::clamp<int64_t>(offset / size, 0, std::max(count - 1, 0)));
}

QnRect ZoomedBounds(const PpQnRenderObj& obj, const QnXFormXY& zoom, const QnXFormXY& render)
{
    return zoom.XForm(obj->GetRect(render), QN_XF_SORTED);
}

} // namespace

// The object in the standard 24-bit form, stretched by the zoom and filled
// out to whole boxes. Made on the first tile of a draw that needs pixels
// and shared by the tiles after it. An object drawn at the identity may
// offer a smaller copy of itself that looks the same at the zoom.
class QnBlt::Chain {
public:
    Chain(const PpQnRenderObj& obj, const QnXFormXY& zoom, const QnXFormXY& render)
        : obj_(obj), zoom_(zoom), render_(render)
    {
    }

    QnFillRenderObj& Fill()
    {
        if (!fill_) {
            const PpQnPixConverter none(PpQnPixConverter::TAG{});
            QnXFormXY zoom = zoom_;
            const PpQnRenderObj shown = render_ == QnXFormXY() ? obj_->GetZoomSource(zoom_, &zoom) : obj_;
            const PpQnRenderObj source = shown->GetSpacedRender(none, 1);
            const QnStretchRenderObj::PlaneFmt stretchFmt[] = {{3, 1, 3, 1}};
            const PpQnStretchRenderObj stretch(zoom, 0, source, 1, stretchFmt, none, -1);
            const QnFillRenderObj::PlaneFmt fillFmt[] = {{3, 1, 3}};
            fill_ = PpQnFillRenderObj(PpQnRenderObj(stretch), 1, fillFmt);
        }
        return *fill_;
    }

private:
    const PpQnRenderObj& obj_;
    const QnXFormXY& zoom_;
    const QnXFormXY& render_;
    PpQnFillRenderObj fill_;
};

QnBlt::QnBlt(int32_t tileWidth, int32_t tileHeight) : tileW_(TileSize(tileWidth)), tileH_(TileSize(tileHeight))
{
    Lock(1);
    RegisterObject();
}

QnBlt::~QnBlt()
{
    {
        QnLockGc gc;
        tiles_.clear();
    }
    RevokeObject();
    Lock(0);
}

void QnBlt::MarkFixedObjects(Visitor) {}

// Called by the collector, which holds QnObj::cs.
void QnBlt::MarkDiscardableObjects(Visitor visit)
{
    for (auto it = tiles_.rbegin(); it != tiles_.rend(); ++it)
        if (*it)
            visit(*it);
}

void QnBlt::NoteObjectDiscarded(QnObj* obj)
{
    for (auto it = tiles_.rbegin(); it != tiles_.rend(); ++it)
        if (*it == obj) {
            *it = nullptr;
            return;
        }
}

void QnBlt::force_rebuild_dibs()
{
    valid_ = 0;
    invalid_ = Rgn();
    QnLockGc gc;
    std::vector<QnDib*>().swap(tiles_);
    columns_ = rows_ = count_ = 0;
}

void QnBlt::ForceFullRepaint()
{
    QnCriticalSectionLock lock(cs_);
    force_rebuild_dibs();
}

void QnBlt::ValidateCache(const PpQnRenderObj& obj, const QnXFormXY& zoom, const QnXFormXY& render)
{
    if (valid_) {
        if (!(render == render_ && zoom == zoom_) || ZoomedBounds(obj, zoom, render) != bounds_)
            force_rebuild_dibs();
    }
    if (valid_)
        return;
    const QnRect bounds = ZoomedBounds(obj, zoom, render);
    const int32_t columns = CeilDiv(bounds.Width(), tileW_);
    const int32_t rows = CeilDiv(bounds.Height(), tileH_);
    const int64_t count = int64_t(columns) * rows;
    if (count > std::numeric_limits<int32_t>::max())
        throw std::bad_alloc();
    std::vector<QnDib*> tiles(size_t(count), nullptr);

    valid_ = 1;
    render_ = render;
    zoom_ = zoom;
    bounds_ = bounds;
    invalid_ = Rgn(bounds);
    columns_ = columns;
    rows_ = rows;
    count_ = int32_t(count);
    QnLockGc gc;
    tiles_.swap(tiles);
}

QnRect QnBlt::TileRect(int32_t column, int32_t row) const
{
    const int64_t left = int64_t(bounds_.left) + int64_t(column) * tileW_;
    const int64_t top = int64_t(bounds_.top) + int64_t(row) * tileH_;
    // Tiles past the end of the 32-bit plane would not fit; bounds cut them.
    const QnRect tile{int32_t(left), int32_t(top), int32_t(std::min<int64_t>(left + tileW_, bounds_.right)),
                      int32_t(std::min<int64_t>(top + tileH_, bounds_.bottom))};
    return QnIntersectRect(tile, bounds_);
}

PpQnDib QnBlt::TakeTile(int32_t index, bool& fresh)
{
    {
        QnLockGc gc;
        if (QnDib* dib = tiles_[size_t(index)]) {
            fresh = false;
            return PpQnDib(dib);
        }
    }
    // Made outside the collector's section: its bits may start a collection.
    PpQnDib dib(tileW_, tileH_, 24, nullptr);
    QnLockGc gc;
    tiles_[size_t(index)] = dib.Get();
    fresh = true;
    return dib;
}

void QnBlt::RenderBox(QnDib& dib, const QnRect& tile, const QnRect& box, Chain& chain, QnRenderProgress* progress)
{
    const size_t stride = dib.RowBytes();
    uint8_t* const bits = dib.byte_ptr();
    // The pieces go straight into the DIB, with no buffer of the whole box
    // in between. DIB rows run bottom-up: zoomed line y is stored row
    // tile.top + tileH - 1 - y.
    chain.Fill().RenderPieces(render_, 0, box, progress, [&](const QnPixBuf& pixels, const QnRect& part) {
        const QnRect& from = pixels.GetRect();
        const size_t bytes = size_t(part.Width()) * 3;
        for (int32_t y = part.top; y < part.bottom; ++y) {
            const size_t row = size_t(int64_t(tile.top) + tileH_ - 1 - y);
            std::memcpy(bits + row * stride + size_t(part.left - tile.left) * 3,
                        pixels.CRow(y - from.top) + size_t(part.left - from.left) * 3, bytes);
        }
    });
    invalid_.get() -= box;
}

void QnBlt::Draw(DeviceContext& dc, const QnRgn& clip, const PpQnRenderObj& obj, int32_t dx, int32_t dy,
                 const QnXFormXY& zoom, const QnXFormXY& render, int, QnRenderProgress* progress)
{
    QnCriticalSectionLock lock(cs_);
    try {
        ValidateCache(obj, zoom, render);
        // Only the part of the clip over the object matters; cut it down
        // before moving it to the zoomed plane.
        const QnRgn clipZoomed = QnOffsetRgn(clip * QnRgn(QnOffsetRect(bounds_, -dx, -dy)), dx, dy);
        if (!clipZoomed)
            return;
        Chain chain(obj, zoom, render);
        // Tiles outside the clip's box would be skipped one by one; at a
        // high zoom there are tens of thousands of them, so the loops run
        // over the columns and rows that the box meets.
        const QnRect reach = clipZoomed.box();
        const int32_t firstColumn = TileIndex(int64_t(reach.left) - bounds_.left, tileW_, columns_);
        const int32_t lastColumn = TileIndex(int64_t(reach.right) - 1 - bounds_.left, tileW_, columns_);
        const int32_t firstRow = TileIndex(int64_t(reach.top) - bounds_.top, tileH_, rows_);
        const int32_t lastRow = TileIndex(int64_t(reach.bottom) - 1 - bounds_.top, tileH_, rows_);
        for (int32_t row = lastRow; row >= firstRow; --row) {
            for (int32_t column = firstColumn; column <= lastColumn; ++column) {
                const QnRect tile = TileRect(column, row);
                const QnRgn visible = clipZoomed * QnRgn(tile);
                if (!visible)
                    continue;
                bool fresh = false;
                const PpQnDib dib = TakeTile(column + row * columns_, fresh);
                QnRect box;
                if (fresh) {
                    // A new tile holds no pixels yet: until it is rendered in
                    // full, all of it is out of date.
                    invalid_.get() += QnRgn(tile);
                    box = tile;
                } else {
                    box = (visible * invalid_.get()).box();
                }
                if (!box.IsEmpty())
                    RenderBox(*dib, tile, box, chain, progress);
                QnBltPaintTile(dc, QnOffsetRgn(visible, -dx, -dy), dx, dy, tile, *dib);
            }
        }
    } catch (...) {
        // A user abort or a failed render ends the draw; what is on screen
        // stays, and what was not rendered stays out of date.
    }
}

void QnBlt::InvalidateBits(const QnRect* r)
{
    QnCriticalSectionLock lock(cs_);
    if (!valid_)
        return;
    const QnRect area = r ? zoom_.XForm(render_.XForm(*r, QN_XF_SORTED), QN_XF_SORTED) : bounds_;
    invalid_.get() += QnRgn(QnIntersectRect(area, bounds_));
}

QnRect QnBlt::Bounds() const
{
    QnCriticalSectionLock lock(cs_);
    return valid_ ? bounds_ : QnRect{};
}

int32_t QnBlt::CachedTiles() const
{
    QnCriticalSectionLock lock(cs_);
    QnLockGc gc;
    int32_t n = 0;
    for (const QnDib* dib : tiles_)
        n += dib != nullptr;
    return n;
}

QnRgn QnBlt::InvalidRgn() const
{
    QnCriticalSectionLock lock(cs_);
    return invalid_;
}
