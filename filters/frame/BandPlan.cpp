#include "filters/frame/BandPlan.h"

#include <algorithm>

BandPlan::BandPlan(const Rect& filter, int32_t imageWidth, int32_t imageHeight, int32_t planes, int32_t maxSpace,
                   bool oneBand, SourceRowsOf rows)
    : filter_(filter), rows_(std::move(rows)), oneBand_(oneBand)
{
    const int64_t fw = std::max(1, filter.right - filter.left);
    const int64_t fh = std::max(1, filter.bottom - filter.top);
    const int64_t depth = std::max<int16_t>(1, planes);
    sourceBottom_ = std::max<int32_t>(filter.top + 1, std::min<int32_t>(imageHeight, filter.bottom + 1));
    sourceRight_ = std::max<int32_t>(filter.left + 1, std::min<int32_t>(imageWidth, filter.right + 1));
    space_ = std::max(0, maxSpace);
    outRowBytes_ = fw * depth;
    inRowBytes_ = (sourceRight_ - filter.left) * depth;
    int32_t top = 0, bottom = 0;
    known_ = rows_ && rows_(0, int32_t(fh - 1), top, bottom);
    if (oneBand)
        outputRows_ = int32_t(fh);
    else // a band holds about a third of what the host may spend
        outputRows_ = int32_t(std::clamp<int64_t>(space_ / (outRowBytes_ * 3), 1, fh));
}

void BandPlan::NeededRows(int32_t first, int32_t last, int64_t& top, int64_t& bottom) const
{
    const int32_t fh = filter_.bottom - filter_.top;
    int32_t t = 0, b = fh - 1;
    if (!rows_(first - filter_.top, last - filter_.top, t, b)) {
        t = 0;
        b = fh - 1;
    }
    // Sources outside the work area are never read; the row after each
    // source is.
    top = filter_.top + std::clamp(t, 0, fh - 1);
    bottom = std::min<int64_t>(sourceBottom_, filter_.top + int64_t{std::clamp(b, t, fh - 1)} + 2);
    top = std::min(top, bottom - 1);
}

int64_t BandPlan::SourceRoom(int64_t rows) const
{
    const int64_t span = sourceBottom_ - filter_.top;
    return std::clamp<int64_t>((space_ - rows * outRowBytes_) / inRowBytes_, std::min<int64_t>(2, span), span);
}

bool BandPlan::Fits(int32_t first, int32_t rows) const
{
    int64_t top = 0, bottom = 0;
    NeededRows(first, first + rows - 1, top, bottom);
    return rows * outRowBytes_ + (bottom - top) * inRowBytes_ <= space_;
}

Rect BandPlan::OutputBand(int32_t row, const Seen& seen) const
{
    const int32_t top = std::clamp<int32_t>(row, filter_.top, filter_.bottom - 1);
    const int32_t most = filter_.bottom - top;
    int32_t rows = std::min(outputRows_, most);
    if (known_ && !oneBand_) {
        // The tallest band that fits beside its sources (they only grow
        // with the band); when even one row's do not fit, the tallest that
        // fits beside the rows where sources were seen.
        const bool named = Fits(top, 1);
        const int64_t around = int64_t{seen.up} + seen.down + 2 * kSeenMargin + 1;
        auto fits = [&](int32_t n) {
            return named ? Fits(top, n) : n * outRowBytes_ + (n + around) * inRowBytes_ <= space_;
        };
        int32_t low = 1, high = most;
        while (low < high) {
            const int32_t mid = low + (high - low + 1) / 2;
            if (fits(mid))
                low = mid;
            else
                high = mid - 1;
        }
        rows = low;
    }
    return Rect{int16_t(top), filter_.left, int16_t(top + rows), filter_.right};
}

Rect BandPlan::SourceBandOf(const Rect& output, const Seen& seen) const
{
    int64_t top = 0, bottom = 0;
    NeededRows(output.top, output.bottom - 1, top, bottom);
    const int64_t room = oneBand_ ? bottom - top : SourceRoom(output.bottom - output.top);
    if (bottom - top > room) {
        // More than the host can hold: where sources were seen, with a
        // margin, inside what the filter names.
        top = std::max<int64_t>(top, int64_t{output.top} - seen.up - kSeenMargin);
        bottom = std::min<int64_t>(bottom, int64_t{output.bottom} + seen.down + kSeenMargin + 1);
        if (bottom - top > room) {
            top = std::clamp<int64_t>((top + bottom) / 2 - room / 2, filter_.top, sourceBottom_ - room);
            bottom = top + room;
        }
    }
    return Rect{int16_t(top), filter_.left, int16_t(bottom), int16_t(sourceRight_)};
}

bool BandPlan::Affords(const Rect& source, const Rect& output) const
{
    return oneBand_ || int64_t{output.bottom - output.top} * outRowBytes_ +
                               int64_t{source.bottom - source.top} * inRowBytes_ <=
                           space_;
}

Rect BandPlan::SourceBandAround(int32_t row, const Rect& output, const Seen& seen) const
{
    const Rect band = SourceBandOf(output, seen);
    const int32_t next = std::min(row + 1, sourceBottom_ - 1);
    if (band.top <= row && next < band.bottom)
        return band;
    // The row, the one after it, as many above as below.
    const int64_t room = oneBand_ ? sourceBottom_ - filter_.top : SourceRoom(output.bottom - output.top);
    const int64_t top = std::clamp<int64_t>(int64_t{row} - (room - 2) / 2, filter_.top, sourceBottom_ - room);
    return Rect{int16_t(top), filter_.left, int16_t(top + room), int16_t(sourceRight_)};
}
