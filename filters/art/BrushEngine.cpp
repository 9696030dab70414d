#include "filters/art/BrushEngine.h"

#include "filters/art/BrushShapes.h"
#include "filters/art/frame/ArtModuleState.h"
#include "filters/frame/FilterModuleState.h"
#include "filters/frame/HostRoutines.h"
#include "filters/frame/PreviewTile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

BrushEngine::BrushEngine(FilterRecord* record, ArtParams* params, bool oilPaint)
    : record_(record), params_(params), oil_(oilPaint)
{
}

int32_t BrushEngine::MaskIndexOf(int64_t x, int64_t y)
{
    if (x == 0 && y == 0)
        return 15;
    const double theta = std::atan2(double(y), double(x));
    if (theta >= 0)
        return std::min(int32_t(theta * 29 * 0.31831015504887655), 29);
    return std::min(30 - int32_t(-theta * 29 * 0.31831015504887655), 29);
}

bool BrushEngine::Begin()
{
    FilterModuleState& state = FrameState();
    p_ = HeldToSliders(params_ ? *params_ : ArtParams{}, kBrushSliders);
    size_ = p_.Param(1);
    planes_ = record_->planes;
    const std::vector<uint8_t> brush = BrushImage(p_.Param(5), p_.Param(3), p_.Param(2));
    if (brush.empty() || planes_ <= 0) {
        state.result = memFullErr;
        End();
        return false;
    }
    try {
        masks_.clear();
        if (p_.Param(6) != 0)
            for (int32_t k = 0; k < 30; ++k)
                masks_.push_back(RotateMask(BrushBits(brush), kBrushSide, kBrushSide, size_, 6 * k));
        else
            masks_.push_back(RotateMask(BrushBits(brush), kBrushSide, kBrushSide, size_, p_.Param(4)));
    } catch (const std::bad_alloc&) {
        state.result = memFullErr;
        End();
        return false;
    }
    state.result = 0;
    return true;
}

void BrushEngine::End()
{
    masks_.clear();
    masks_.shrink_to_fit();
    begun_ = false;
    fetchPending_ = true;
}

void BrushEngine::DrawPrint(int32_t left, int32_t top, int32_t width, int32_t height)
{
    const int32_t r1 = ArtRand(), r2 = ArtRand(), r3 = ArtRand(), r4 = ArtRand();
    printY_ = top + height * (r1 % ny_) / ny_ + r2 % size_ - size_;
    printX_ = left + width * (r3 % nx_) / nx_ + r4 % size_ - size_;
}

int32_t BrushEngine::MaskOf(const uint8_t* in, int32_t rowBytes, int32_t x0, int32_t y0, int32_t x1,
                            int32_t y1) const
{
    if (masks_.size() == 1)
        return 0;
    // Over the area from its second row and column on; the pixel to the
    // right of the last column is that column's own.
    int64_t sx = 0, sy = 0;
    for (int32_t y = y0 + 1; y < y1; ++y)
        for (int32_t x = x0 + 1; x < x1; ++x) {
            const uint8_t* p = in + y * rowBytes + x * planes_;
            const uint8_t* above = p - rowBytes;
            const uint8_t* left = p - planes_;
            const uint8_t* right = x + 1 < x1 ? p + planes_ : p;
            for (int32_t k = 0; k < planes_; ++k) {
                sx += above[k] - right[k];
                sy += left[k] - p[k];
            }
        }
    return MaskIndexOf(sx, sy);
}

namespace {

// One row of a print: dst = (colour x (255 - m) + dst x m) / 255 per
// sample; where the mask is 255 that is dst itself, so it is skipped.
template <int32_t Planes>
void PaintRow(const uint8_t* colour, const uint8_t* mask, uint8_t* d, int32_t width, int32_t planes)
{
    const int32_t n = Planes > 0 ? Planes : planes;
    for (int32_t x = 0; x < width; ++x, d += n) {
        const int32_t m = mask[x];
        if (m == 255)
            continue;
        for (int32_t k = 0; k < n; ++k)
            d[k] = uint8_t((colour[k] * (255 - m) + d[k] * m) / 255);
    }
}

} // namespace

void BrushEngine::Paint(const uint8_t* colour, const uint8_t* mask, uint8_t* out, int32_t rowBytes, int32_t x0,
                        int32_t y0, int32_t x1, int32_t y1, int32_t maskX, int32_t maskY) const
{
    if (x0 >= x1)
        return;
    const int32_t planes = planes_;
    const auto row = planes == 3 ? PaintRow<3> : planes == 1 ? PaintRow<1> : PaintRow<0>;
    for (int32_t y = y0; y < y1; ++y)
        row(colour, mask + (y - maskY) * size_ + (x0 - maskX), out + y * rowBytes + x0 * planes, x1 - x0, planes);
}

void BrushEngine::Sharpen(uint8_t* row, int32_t width) const
{
    for (int32_t x = 0; x + 3 < width; ++x)
        for (int32_t k = 0; k < planes_; ++k) {
            uint8_t& p = row[x * planes_ + k];
            p = uint8_t(std::clamp(2 * p - row[(x + 3) * planes_ + k], 0, 255));
        }
}

void BrushEngine::RunOnPreview(PreviewTile& tile)
{
    if (!tile.unfiltered || !tile.working || tile.width <= 0 || tile.height <= 0)
        return;
    RestartArtRand();
    if (!Begin())
        return;
    const int32_t w = tile.width, h = tile.height;
    for (int32_t y = 0; y < h; ++y)
        std::memcpy(tile.WorkingAt(0, y), tile.UnfilteredAt(0, y), size_t(w) * size_t(planes_));
    const int32_t half = size_ / 2;
    nx_ = w / half;
    ny_ = h / half;
    if (nx_ > 0 && ny_ > 0)
        for (int32_t j = 0; j < 2 * ny_; ++j)
            for (int32_t i = 0; i < 2 * nx_; ++i) {
                DrawPrint(0, 0, w, h);
                const int32_t x = printX_, y = printY_;
                const uint8_t* colour = tile.UnfilteredAt(std::clamp(x + half, 0, w - 1), std::clamp(y + half, 0, h - 1));
                // The sums cover the print inside rows and columns 1 ..
                // of the tile, so that every pixel has one above and left.
                const int32_t mask = MaskOf(tile.unfiltered, tile.unfilteredRowBytes, std::max(x, 1) - 1,
                                            std::max(y, 1) - 1, std::min(x + size_, w), std::min(y + size_, h));
                // The tile's last row and column are never painted.
                Paint(colour, masks_[size_t(mask)].data(), tile.working, tile.workingRowBytes, std::max(x, 0),
                      std::max(y, 0), std::min(x + size_, w - 1), std::min(y + size_, h - 1), x, y);
            }
    if (oil_)
        for (int32_t y = 0; y < h; ++y)
            Sharpen(tile.WorkingAt(0, y), w);
    End();
}

bool BrushEngine::Ask(const Rect& rect)
{
    FilterModuleState& state = FrameState();
    FilterRecord& r = *record_;
    if (fetchPending_) {
        fetchPending_ = false;
        r.inRect = r.outRect = rect;
        if (state.advanceHost() != 0) {
            if (!AdvanceDeferred())
                End();
            return false;
        }
    }
    if (!r.inData || !r.outData) {
        state.result = filterBadParameters;
        End();
        return false;
    }
    return true;
}

void BrushEngine::Finish()
{
    FilterRecord& r = *record_;
    r.inRect = r.outRect = r.maskRect = Rect{0, 0, 0, 0};
    phase_ = Phase::Done;
    End();
}

void BrushEngine::RunOnHost()
{
    FilterModuleState& state = FrameState();
    FilterRecord& r = *record_;
    const Rect f = r.filterRect;
    const int32_t w = f.right - f.left, h = f.bottom - f.top;
    if (w <= 0 || h <= 0 || r.planes <= 0) {
        r.inRect = r.outRect = r.maskRect = Rect{0, 0, 0, 0};
        return;
    }
    if (!begun_) {
        RestartArtRand();
        if (!Begin())
            return;
        begun_ = true;
        const int32_t half = size_ / 2;
        nx_ = w / half;
        ny_ = h / half;
        phase_ = oil_ ? Phase::Copy : Phase::Prints;
        row_ = column_ = 0;
        printDrawn_ = false;
        r.inLoPlane = r.outLoPlane = 0;
        r.inHiPlane = r.outHiPlane = int16_t(r.planes - 1);
        r.maskRect = Rect{0, 0, 0, 0};
        r.inputRate = r.maskRate = PI_FIXED_ONE;
    }
    const size_t rowBytes = size_t(w) * size_t(planes_);
    if (phase_ == Phase::Copy) {
        for (; row_ < h; ++row_) {
            const int16_t y = int16_t(f.top + row_);
            if (!Ask(Rect{y, f.left, int16_t(y + 1), f.right}))
                return;
            std::memcpy(r.outData, r.inData, std::min({rowBytes, size_t(r.inRowBytes), size_t(r.outRowBytes)}));
            fetchPending_ = true;
        }
        phase_ = Phase::Prints;
        row_ = 0;
    }
    if (phase_ == Phase::Prints) {
        const int32_t rows = nx_ > 0 && ny_ > 0 ? 2 * ny_ : 0;
        for (; row_ < rows; ++row_, column_ = 0) {
            if (column_ == 0 && !printDrawn_ && r.progressProc)
                r.progressProc(oil_ ? 3 * row_ : row_, oil_ ? 8 * ny_ : 2 * ny_);
            for (; column_ < 2 * nx_; ++column_) {
                if (!printDrawn_) {
                    DrawPrint(f.left, f.top, w, h);
                    printDrawn_ = true;
                }
                const int32_t x0 = std::max<int32_t>(printX_, f.left), y0 = std::max<int32_t>(printY_, f.top);
                const int32_t x1 = std::min<int32_t>(printX_ + size_, f.right);
                const int32_t y1 = std::min<int32_t>(printY_ + size_, f.bottom);
                if (x0 >= x1 || y0 >= y1) {
                    printDrawn_ = false;
                    continue;
                }
                if (!Ask(Rect{int16_t(y0), int16_t(x0), int16_t(y1), int16_t(x1)}))
                    return;
                if (r.abortProc && r.abortProc()) {
                    state.result = userCanceledErr;
                    Finish();
                    return;
                }
                const auto* in = static_cast<const uint8_t*>(r.inData);
                const int32_t bw = x1 - x0, bh = y1 - y0;
                const uint8_t* colour =
                    in + std::min(bh - 1, size_ / 2) * r.inRowBytes + std::min(bw - 1, size_ / 2) * planes_;
                const int32_t mask = MaskOf(in, r.inRowBytes, 0, 0, bw, bh);
                Paint(colour, masks_[size_t(mask)].data(), static_cast<uint8_t*>(r.outData), r.outRowBytes, 0, 0,
                      bw - 1, bh - 1, printX_ - x0, printY_ - y0);
                fetchPending_ = true;
                printDrawn_ = false;
            }
        }
        phase_ = oil_ ? Phase::Sharpen : Phase::Done;
        row_ = 0;
    }
    if (phase_ == Phase::Sharpen) {
        for (; row_ < h; ++row_) {
            if (fetchPending_ && r.progressProc)
                r.progressProc((row_ + 3 * h) / 4, h);
            const int16_t y = int16_t(f.top + row_);
            if (!Ask(Rect{y, f.left, int16_t(y + 1), f.right}))
                return;
            Sharpen(static_cast<uint8_t*>(r.outData), w);
            fetchPending_ = true;
        }
    }
    Finish();
}
