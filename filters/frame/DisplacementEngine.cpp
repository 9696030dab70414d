#include "filters/frame/DisplacementEngine.h"

#include "filters/frame/FilterModuleState.h"
#include "filters/frame/HostRoutines.h"
#include "filters/frame/PreviewTile.h"

#include <algorithm>
#include <climits>

namespace {

bool Contains(const Rect& band, int32_t y, int32_t x)
{
    return band.top <= y && y < band.bottom && band.left <= x && x < band.right;
}

} // namespace

DisplacementEngine::DisplacementEngine(FilterRecord* record) : record_(record) {}

void DisplacementEngine::Displace(int32_t, int32_t, int32_t*, int32_t*) {}

bool DisplacementEngine::Begin()
{
    begun_ = true;
    return true;
}

void DisplacementEngine::End() { begun_ = false; }

bool DisplacementEngine::SourceRows(int32_t, int32_t, int32_t*, int32_t*) const { return false; }

bool DisplacementEngine::RowsWithin(int32_t first, int32_t last, int32_t reach, int32_t* top, int32_t* bottom)
{
    *top = int32_t(std::max<int64_t>(INT32_MIN, int64_t{first} - reach));
    *bottom = int32_t(std::min<int64_t>(INT32_MAX, int64_t{last} + reach));
    return true;
}

bool DisplacementEngine::RowsScaled(int32_t first, int32_t last, double c16, double qLow, double qHigh,
                                    double slack16, int32_t* top, int32_t* bottom)
{
    // The source is linear in both the row and q: its extremes lie at the
    // corners.
    double low = 0, high = 0;
    bool any = false;
    for (double d : {16.0 * first - c16, 16.0 * last - c16})
        for (double q : {qLow, qHigh}) {
            const double v = c16 + d * q;
            low = any ? std::min(low, v) : v;
            high = any ? std::max(high, v) : v;
            any = true;
        }
    // Held well inside 32 bits; the caller holds them to the work area.
    constexpr double kFar = 1 << 30;
    *top = int32_t(std::floor(std::clamp((low - std::abs(slack16)) / 16, -kFar, kFar)));
    *bottom = int32_t(std::floor(std::clamp((high + std::abs(slack16)) / 16, -kFar, kFar)));
    return true;
}

void DisplacementEngine::AskAllPlanes()
{
    record_->inLoPlane = record_->outLoPlane = 0;
    record_->inHiPlane = record_->outHiPlane = int16_t(record_->planes - 1);
}

void DisplacementEngine::PrepareRun()
{
    FilterRecord& r = *record_;
    const Rect& f = r.filterRect;
    started_ = true;
    pending_ = false;
    seen_ = {};
    for (int32_t fy = 0; fy < 16; ++fy)
        for (int32_t fx = 0; fx < 16; ++fx)
            weights_[fy][fx] = Weight(fx, fy);
    imageHeight_ = r.imageSize.v;
    imageWidth_ = r.imageSize.h;
    wholeImage_ = f.top == 0 && f.left == 0 && f.bottom == imageHeight_ && f.right == imageWidth_;
    savedFilter_ = savedFilter2_ = f;
    outBand_ = Rect{0, 0, 0, 0};
    srcBand_ = Rect{0, 0, 0, f.right};
    AskAllPlanes();
}

bool DisplacementEngine::AskFirstBands()
{
    FilterRecord& r = *record_;
    const Rect& f = savedFilter_;
    bands_ = BandPlan(f, imageWidth_, imageHeight_, r.planes, r.maxSpace, FrameState().hostNumber == 1,
                      [this](int32_t first, int32_t last, int32_t& top, int32_t& bottom) {
                          return SourceRows(first, last, &top, &bottom);
                      });
    bandHeight_ = bands_.OutputRows();
    r.inputRate = PI_FIXED_ONE;
    outBand_ = bands_.OutputBand(f.top, seen_);
    r.outRect = outBand_;
    srcBand_ = bands_.KnowsSources() ? bands_.SourceBandOf(outBand_, seen_) : SourceBand(f.top, f.left);
    r.inRect = srcBand_;
    return Advance(0, 0);
}

bool DisplacementEngine::FailForMemory()
{
    EndRun();
    FrameState().result = memFullErr;
    return false;
}

void DisplacementEngine::EndRun()
{
    started_ = false;
    pending_ = false;
    record_->outRect = record_->inRect = savedFilter_;
    End();
}

Rect DisplacementEngine::SourceBand(int32_t y, int32_t x) const
{
    const int32_t top = std::min(std::max(0, y - bandHeight_ / 2), imageHeight_ - 1);
    // The band holds the row and column after the position too, which
    // sampling reads.
    const int32_t bottom = std::min(imageHeight_, top + std::max(bandHeight_, y - top + 2));
    const int32_t left = std::max(0, std::min<int32_t>(srcBand_.left, x));
    const int32_t right = std::min(imageWidth_, std::max<int32_t>(srcBand_.right, x + 2));
    return Rect{int16_t(top), int16_t(left), int16_t(bottom), int16_t(right)};
}

bool DisplacementEngine::InSourceBand(int32_t y, int32_t x) const
{
    y = std::clamp(y, 0, imageHeight_ - 1);
    x = std::clamp(x, 0, imageWidth_ - 1);
    return Contains(srcBand_, y, x) && Contains(srcBand_, std::min(y + 1, imageHeight_ - 1),
                                                std::min(x + 1, imageWidth_ - 1));
}

bool DisplacementEngine::Advance(int32_t row, int32_t column)
{
    if (FrameState().advanceHost() == 0)
        return true;
    if (AdvanceDeferred()) {
        resumeRow_ = row;
        resumeColumn_ = column;
    } else {
        EndRun();
    }
    return false;
}

bool DisplacementEngine::MeasureWork()
{
    FilterRecord& r = *record_;
    workWidth_ = r.filterRect.right - r.filterRect.left;
    workHeight_ = r.filterRect.bottom - r.filterRect.top;
    if (workWidth_ <= 0 || workHeight_ <= 0 || r.planes <= 0) {
        r.inRect = r.outRect = r.maskRect = Rect{0, 0, 0, 0};
        return false;
    }
    return true;
}

void DisplacementEngine::RunOnHost()
{
    FilterModuleState& state = FrameState();
    FilterRecord& r = *record_;
    if (!MeasureWork())
        return;
    if (!started_) {
        PrepareRun();
        // The filter begins before the first bands: its reach shapes them.
        if (!Begin()) {
            r.outRect = r.inRect = savedFilter_;
            started_ = false;
            state.result = memFullErr;
            return;
        }
        if (!AskFirstBands())
            return;
    }
    if (!begun_ && !Begin()) {
        r.outRect = r.inRect = savedFilter_;
        started_ = false;
        state.result = memFullErr;
        return;
    }
    for (int32_t row = resumeRow_; row < workHeight_; ++row) {
        if (r.abortProc && r.abortProc()) {
            EndRun();
            state.result = userCanceledErr;
            return;
        }
        if (r.progressProc)
            r.progressProc(row, workHeight_);
        if (!HostRow(row))
            return;
        AskAllPlanes();
    }
    EndRun();
    r.outRect = r.inRect = r.maskRect = Rect{0, 0, 0, 0};
    if (state.hostNumber != 2)
        state.advanceHost();
}

bool DisplacementEngine::HostRow(int32_t row)
{
    FilterRecord& r = *record_;
    const Rect& f = savedFilter_;
    const int32_t y = f.top + row;
    if (y < outBand_.top || y >= outBand_.bottom) {
        outBand_ = bands_.OutputBand(y, seen_);
        r.outRect = outBand_;
        if (bands_.KnowsSources()) {
            // The band already held may hold the new sources too, when the
            // host can keep it beside the new output band.
            const Rect needed = bands_.SourceBandOf(outBand_, seen_);
            if (needed.top < srcBand_.top || needed.bottom > srcBand_.bottom || needed.left < srcBand_.left ||
                needed.right > srcBand_.right || !bands_.Affords(srcBand_, outBand_)) {
                srcBand_ = needed;
                r.inRect = srcBand_;
            }
        }
        if (!Advance(row, 0))
            return false;
    }
    for (int32_t c = resumeColumn_; c < workWidth_; ++c) {
        if (!r.outData || !r.inData) {
            // The host answered without the pixels asked for.
            EndRun();
            FrameState().result = filterBadParameters;
            return false;
        }
        int32_t sx16 = c * 16;
        int32_t sy16 = row * 16;
        if (pending_) {
            // The source found before the run returned for its band: a
            // filter that draws random numbers must not draw them again.
            pending_ = false;
            sx16 = pendingX16_;
            sy16 = pendingY16_;
        } else {
            Displace(c * 16, row * 16, &sx16, &sy16);
        }
        const int32_t sx = sx16 >> 4;
        const int32_t sy = sy16 >> 4;
        if (sx < 0 || sx >= workWidth_ || sy < 0 || sy >= workHeight_) {
            if (wholeImage_) {
                uint8_t* out = static_cast<uint8_t*>(r.outData) + (y - outBand_.top) * r.outRowBytes +
                               r.planes * (f.left + c - outBand_.left);
                for (int32_t k = 0; k < r.planes; ++k)
                    out[k] = r.backColor[std::min(k, 3)];
                continue;
            }
            sx16 = c * 16;
            sy16 = row * 16;
        }
        const int32_t absY = f.top + (sy16 >> 4);
        const int32_t absX = f.left + (sx16 >> 4);
        if (absY < y)
            seen_.up = std::max(seen_.up, y - absY);
        else
            seen_.down = std::max(seen_.down, absY - y);
        if (!InSourceBand(absY, absX)) {
            if (bands_.KnowsSources()) {
                // A source farther than any seen before: an output band too
                // tall to hold it beside itself ends here, its rows written
                // so far going back to the host, and a shorter one goes on.
                const Rect shorter = bands_.OutputBand(y, seen_);
                if (shorter.bottom < outBand_.bottom) {
                    outBand_ = shorter;
                    r.outRect = outBand_;
                }
                srcBand_ = bands_.SourceBandAround(absY, outBand_, seen_);
            } else {
                srcBand_ = SourceBand(absY, absX);
            }
            r.inRect = srcBand_;
            pendingX16_ = sx16;
            pendingY16_ = sy16;
            if (!Advance(row, c)) {
                pending_ = AdvanceDeferred();
                return false;
            }
        }
        Sample(c, row, sx16, sy16);
    }
    resumeColumn_ = 0;
    return true;
}

void DisplacementEngine::Sample(int32_t column, int32_t row, int32_t sx16, int32_t sy16)
{
    const FilterRecord& r = *record_;
    const Rect& f = savedFilter_;
    const int32_t planes = r.planes;
    const int32_t bandWidth = srcBand_.right - srcBand_.left;
    const int32_t bandHeight = srcBand_.bottom - srcBand_.top;
    const int32_t x = std::clamp(f.left + (sx16 >> 4), 0, imageWidth_ - 1) - srcBand_.left;
    const int32_t y = std::clamp(f.top + (sy16 >> 4), 0, imageHeight_ - 1) - srcBand_.top;
    const int32_t x1 = std::min(x + 1, bandWidth - 1);
    const int32_t y1 = std::min(y + 1, bandHeight - 1);
    const int32_t fx = sx16 & 15;
    const int32_t fy = sy16 & 15;
    // The far corner of each neighbour is the fraction's complement.
    const int32_t w00 = weights_[15 - fy][15 - fx];
    const int32_t w10 = weights_[15 - fy][fx];
    const int32_t w01 = weights_[fy][15 - fx];
    const int32_t w11 = weights_[fy][fx];
    const auto* in = static_cast<const uint8_t*>(r.inData);
    const uint8_t* p00 = in + y * r.inRowBytes + x * planes;
    const uint8_t* p10 = in + y * r.inRowBytes + x1 * planes;
    const uint8_t* p01 = in + y1 * r.inRowBytes + x * planes;
    const uint8_t* p11 = in + y1 * r.inRowBytes + x1 * planes;
    uint8_t* out = static_cast<uint8_t*>(r.outData) + (f.top + row - outBand_.top) * r.outRowBytes +
                   planes * (f.left + column - outBand_.left);
    for (int32_t k = 0; k < planes; ++k)
        out[k] = uint8_t((w00 * p00[k] + w10 * p10[k] + w01 * p01[k] + w11 * p11[k]) >> 8);
}

void DisplacementEngine::RunOnPreview(PreviewTile& tile)
{
    wholeImage_ = true;
    workWidth_ = tile.width;
    workHeight_ = tile.height;
    if (!Begin())
        return;
    for (int32_t row = 0; row < tile.height; ++row)
        PreviewRow(row, tile);
    End();
}

void DisplacementEngine::PreviewRow(int32_t row, PreviewTile& tile)
{
    for (int32_t c = 0; c < tile.width; ++c) {
        int32_t sx16 = c * 16;
        int32_t sy16 = row * 16;
        Displace(c * 16, row * 16, &sx16, &sy16);
        const int32_t sx = sx16 >> 4;
        const int32_t sy = sy16 >> 4;
        uint8_t* out = tile.WorkingAt(c, row);
        if (sx >= 0 && sx < tile.width && sy >= 0 && sy < tile.height) {
            const uint8_t* in = tile.UnfilteredAt(sx, sy);
            std::copy(in, in + tile.planes, out);
        } else if (wholeImage_) {
            std::fill(out, out + tile.planes, uint8_t(128));
        }
    }
}
