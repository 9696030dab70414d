// Drawing: the picture put on a device context through the tile cache, in
// bands of rows made by the row producer.
#include "drawctx/WaDrawContext.h"

#include "blt/DeviceContext.h"
#include "drawctx/WaRowProducer.h"

#include <algorithm>
#include <cstring>

namespace {

// The bounding box of the region's pixels (a union may keep a larger box).
QnRect TightBox(const QnRgn& rgn)
{
    QnRect box{};
    bool first = true;
    for (const QnRect& r : rgn.rects()) {
        if (first)
            box = r;
        else
            box = QnRect{std::min(box.left, r.left), std::min(box.top, r.top), std::max(box.right, r.right),
                         std::max(box.bottom, r.bottom)};
        first = false;
    }
    return box;
}

} // namespace

void WaDrawContext::Draw(DeviceContext* dc, const QnRgn* clip, ZvWindow*, int, int flags,
                         std::unique_ptr<LOGPALETTE>* outPalette)
{
    if (outPalette)
        outPalette->reset();
    try {
        const QnRgn area = clip ? pictureRgn_ * *clip : pictureRgn_;
        if (!area)
            return;
        SettleOptions();
        const int colours = PrepareColors();
        if (colours & WA_PC_ALL_STALE)
            MarkAllInvalid();
        if ((colours & WA_PC_ANIMATING) || layers_.AnyVisible())
            flags |= 1;
        if (dc)
            Render(*dc, area, flags);
        ReleaseDitherTables();
        ClearChanges();
        if (colours & WA_PC_REDRAW_REST) {
            const QnRgn rest = pictureRgn_ - area;
            if (rest)
                SendRedraw(&rest, &rest, (colours & WA_PC_REDRAW_FLAG) ? 1 : 0);
        }
        if (outPalette && palette_)
            *outPalette = std::make_unique<LOGPALETTE>(*palette_);
    } catch (...) {
        // A failed draw leaves the window as it is; the next paint tries again.
    }
}

void WaDrawContext::Render(DeviceContext& dc, const QnRgn& region, int flags)
{
    const QnRect box = TightBox(region);
    if (flags & 1) {
        // Layers and animations are drawn past the cache, which stays as it is.
        RenderRect({Target{&dc, nullptr}}, box);
        return;
    }
    const QnRect pictureRect = pictureRgn_.box();
    for (int32_t i = tiles_.Rows() - 1; i >= 0; --i) {
        for (int32_t j = 0; j < tiles_.Columns(); ++j) {
            WaTileGrid::Tile& tile = tiles_.At(i, j);
            if (QnIntersectRect(tile.rect, box).IsEmpty())
                continue;
            const QnRect a = QnIntersectRect(tile.rect, pictureRect);
            // Only tiles the region meets: a tile given a new bitmap counts
            // as drawn, so it must be rendered now.
            if (!(region * QnRgn(a)))
                continue;
            const int lock = tiles_.Lock(tile);
            if (lock == 2) {
                RenderRect({Target{&dc, nullptr}}, QnIntersectRect(a, box));
                continue;
            }
            QnRgn need;
            if (lock == 1) {
                invalid_ -= a;
                need = QnRgn(a);
            } else {
                need = invalid_ * QnRgn(a);
            }
            QnRgn shown = region * QnRgn(a);
            if (need * region) {
                const QnRect fresh = TightBox(need);
                RenderRect({Target{&dc, nullptr}, Target{nullptr, &tile}}, fresh);
                invalid_ -= fresh;
                shown -= fresh;
            }
            if (shown)
                CopyTile(dc, tile, TightBox(shown));
        }
    }
}

void WaDrawContext::RenderRect(const std::vector<Target>& targets, const QnRect& r)
{
    if (r.IsEmpty())
        return;
    const QnRect pictureRect = pictureRgn_.box();
    const int32_t x0 = std::max(0, r.left - pictureRect.left - ditherOrigin_.x);
    const int32_t y0 = std::max(0, ditherOrigin_.y + pictureRect.top - r.bottom);
    int* table = nullptr;
    LOGPALETTE* palette = nullptr;
    GetDitherTables(&table, &palette);
    WaRowProducer producer(*this, effective_, table, palette, x0, y0, r.left, r.right);
    PrepareBitmapInfo(r);

    const int32_t width = r.Width();
    const int bits = producer.OutputBits();
    const int32_t rowBytes = WaRowProducer::BandRowBytes(width, bits);
    const int32_t fit = std::max(1, display_.screenWidth / width);
    const size_t needed = size_t(rowBytes) * size_t(std::min<int64_t>(fit, r.Height()));
    if (bandBuffer_.size() < needed)
        bandBuffer_.resize(needed * 3);

    for (int32_t bottom = r.bottom; bottom > r.top;) {
        const int32_t top = std::max(r.top, bottom - fit);
        producer.ProduceBand(top, bottom, bandBuffer_.data());
        renderedPixels_ += int64_t(width) * (bottom - top);
        ExpandBand(bandBuffer_.data(), width, bottom - top, bits, bandColour_);
        const DibBits dib{width, bottom - top, bandColour_.data()};
        const QnRect band{r.left, top, r.right, bottom};
        for (const Target& t : targets)
            PutBand(t, band, dib);
        bottom = top;
    }
}

void WaDrawContext::ExpandBand(const uint8_t* rows, int32_t width, int32_t height, int bits,
                               std::vector<uint8_t>& out) const
{
    const DibBits shape{width, height, nullptr};
    const size_t outBytes = size_t(shape.RowBytes());
    out.resize(outBytes * size_t(height));
    const size_t inBytes = size_t(WaRowProducer::BandRowBytes(width, bits));
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* in = rows + size_t(y) * inBytes;
        uint8_t* o = out.data() + size_t(y) * outBytes;
        if (bits == 24) {
            std::memcpy(o, in, size_t(width) * 3);
            continue;
        }
        for (int32_t x = 0; x < width; ++x, o += 3) {
            const unsigned index = in[x];
            const unsigned entry = index < band_.table.size() ? band_.table[index] : index;
            if (palette_ && entry < palette_->palNumEntries) {
                const PALETTEENTRY& e = palette_->palPalEntry[entry];
                o[0] = e.peBlue;
                o[1] = e.peGreen;
                o[2] = e.peRed;
            } else {
                // Without a palette the indices show as grey levels.
                o[0] = o[1] = o[2] = uint8_t(entry);
            }
        }
    }
}

void WaDrawContext::PutBand(const Target& target, const QnRect& band, const DibBits& dib)
{
    if (target.dc) {
        target.dc->SetDIBitsToDevice(band.left, band.top, dib.width, dib.height, 0, 0, dib);
        return;
    }
    WaTileGrid::Tile& tile = *target.tile;
    const QnRect r = QnIntersectRect(band, tile.rect);
    if (r.IsEmpty())
        return;
    const DibBits t = tile.Dib();
    const size_t bytes = size_t(r.Width()) * 3;
    for (int32_t y = r.top; y < r.bottom; ++y) {
        const uint8_t* from = dib.Row(band.bottom - 1 - y) + size_t(r.left - band.left) * 3;
        uint8_t* to = tile.bits.data() + size_t(tile.rect.bottom - 1 - y) * size_t(t.RowBytes()) +
                      size_t(r.left - tile.rect.left) * 3;
        std::memcpy(to, from, bytes);
    }
}

void WaDrawContext::CopyTile(DeviceContext& dc, const WaTileGrid::Tile& tile, const QnRect& r)
{
    dc.SetDIBitsToDevice(r.left, r.top, r.Width(), r.Height(), r.left - tile.rect.left, tile.rect.bottom - r.bottom,
                         tile.Dib());
}
