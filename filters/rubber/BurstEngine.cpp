#include "filters/rubber/BurstEngine.h"

#include "platform/MulDiv.h"
#include "platform/TickClock.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <new>

using platform::MulDiv;

namespace {

// The dialogs never store more; a block edited by hand must neither divide
// by zero nor overflow the amplitude.
constexpr int32_t kMaxStrength = 100;
constexpr int32_t kMaxPeaks = 100;

// The angle of atan2 in half profiles: 1/pi, a hair short, so that the
// index never reaches 2N.
constexpr double kHalfTurns = 0.31830914183855363;

} // namespace

BurstEngine::BurstEngine(FilterRecord* record, const SevenLongParams* params)
    : DisplacementEngine(record), params_(params), tickSeed_(platform::TickClock::Now()),
      seed_(params->freeze ? 1u : tickSeed_)
{
}

int32_t BurstEngine::Amplitude(int32_t width, int32_t strength)
{
    const double w = width;
    const int64_t a = int64_t(std::sqrt(w * w * 0.5)) * std::clamp(strength, 0, kMaxStrength) / 100;
    return a > 0 ? int32_t(16 * a) : 16;
}

int32_t BurstEngine::SegmentSteps(int32_t width, int32_t peaks)
{
    const double a = double(width) + 10;
    const int32_t c5 = int32_t(5000 * std::atan(1.0));
    const int32_t d5 = int32_t(5000 * std::atan(a / (a + 1)));
    int32_t count = 15708;
    if (c5 != d5) {
        const int32_t q = 15708 / std::abs(c5 - d5);
        count = q > 15706 ? 15708 : q + 1;
    }
    return std::max(1, count / std::clamp(peaks, 1, kMaxPeaks));
}

bool BurstEngine::Begin()
{
    const int32_t variant = params_->type;
    const int32_t w = std::max(0, workWidth_);
    r_ = Amplitude(w, params_->strength);
    rMax_ = int32_t(std::sqrt(128.0 * double(w) * double(w)));
    // The box may be ticked in the dialog after the engine was made.
    seed_ = params_->freeze ? 1u : tickSeed_;
    rand_.Seed(seed_);
    lastPlane_ = -1;
    collapse_ = variant >= kEarthQuake;
    density_ = params_->size;
    position_ = nullptr;
    ratioLow_ = ratioHigh_ = 1;
    if (variant < kBurst || variant > kBlackHole) {
        // A variant no dialog offers (an edited settings file) leaves the
        // picture as it is.
    } else if (Scatters(variant)) {
        position_ = &BurstEngine::Scatter;
        // Draw() % R is 0 .. R - 1 (Draw() stops at 32767), added or taken.
        const int64_t most = std::min<int64_t>(r_ - 1, platform::WinRand::Max);
        collapse_ ? NoteRatios(rMax_ - most, rMax_) : NoteRatios(rMax_, rMax_ + most);
        // Pixels left in place.
        ratioLow_ = std::min(ratioLow_, 1.0);
        ratioHigh_ = std::max(ratioHigh_, 1.0);
    } else {
        if (!BuildProfile(variant)) {
            DisplacementEngine::End();
            return false;
        }
        position_ = &BurstEngine::ProfileMap;
        const auto [lowest, highest] = std::minmax_element(profile_.begin(), profile_.end());
        NoteRatios(int64_t{rMax_} + *lowest, int64_t{rMax_} + *highest);
    }
    return DisplacementEngine::Begin();
}

void BurstEngine::End()
{
    DisplacementEngine::End();
    position_ = nullptr;
    profile_.clear();
    profile_.shrink_to_fit();
}

bool BurstEngine::HostRow(int32_t row)
{
    // Every colour plane starts the random field afresh, so all move alike.
    const int16_t plane = record_->outLoPlane;
    if (plane != lastPlane_) {
        lastPlane_ = plane;
        if (plane >= 0)
            rand_.Seed(seed_);
    }
    return DisplacementEngine::HostRow(row);
}

void BurstEngine::NoteRatios(int64_t lowest, int64_t highest)
{
    // A divisor below 1 reads the centre itself (q = 0); 1 reads the
    // farthest, Rmax times out.
    ratioLow_ = lowest < 1 || rMax_ < 1 ? 0.0 : double(rMax_) / double(std::max<int64_t>(1, highest));
    ratioHigh_ = double(rMax_) / double(std::max<int64_t>(1, lowest));
}

bool BurstEngine::SourceRows(int32_t first, int32_t last, int32_t* top, int32_t* bottom) const
{
    // Rounding the radius to whole sixteenths costs up to the picture's
    // aspect in the row.
    const double slack = double(workHeight_) / std::max(1, workWidth_) + 4;
    return RowsScaled(first, last, 8.0 * workHeight_ + 8, ratioLow_, ratioHigh_, slack, top, bottom);
}

bool BurstEngine::BuildProfile(int32_t variant)
{
    const int32_t peaks = std::clamp(params_->size, 1, kMaxPeaks);
    const int32_t count = SegmentSteps(std::max(0, workWidth_), peaks);
    half_ = peaks * count;
    try {
        profile_.assign(size_t(2) * size_t(half_), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    const int32_t sign = variant >= kEarthQuake ? -1 : 1;
    const bool smooth = variant == kBlot || variant == kQuickSands;
    const int32_t h = r_ * 100 / 200;
    std::vector<int32_t> nodes(size_t(2 * peaks + 1));
    for (int32_t i = 0; i < 2 * peaks; ++i) {
        const int32_t drawn = rand_.Next() % (h + 1);
        nodes[size_t(i)] = sign * (i % 2 == 0 ? drawn : r_ - h + drawn);
    }
    nodes[size_t(2 * peaks)] = nodes[0];
    for (int32_t i = 0; i < 2 * peaks; ++i) {
        const int32_t p = nodes[size_t(i)], q = nodes[size_t(i) + 1];
        int32_t* segment = profile_.data() + size_t(i) * size_t(count);
        for (int32_t j = 0; j < count; ++j) {
            if (!smooth) {
                segment[j] = p + MulDiv(j, q - p, count);
            } else if (count == 1) {
                // One step a segment holds its node (the curve would divide by 0).
                segment[j] = p;
            } else {
                const double n = count - 1;
                segment[j] = int32_t(p + double(j) * (q - p) * j / n / n * (3 - 2.0 * j / n));
            }
        }
    }
    return true;
}

void BurstEngine::Displace(int32_t x16, int32_t y16, int32_t* srcX16, int32_t* srcY16)
{
    *srcX16 = x16;
    *srcY16 = y16;
    if (position_)
        (this->*position_)(x16, y16, srcX16, srcY16);
}

void BurstEngine::ProfileMap(int32_t x, int32_t y, int32_t* sx, int32_t* sy)
{
    const int32_t cx = 8 * workWidth_ + 8, cy = 8 * workHeight_ + 8;
    const int32_t dx = x - cx, dy = y - cy;
    const int32_t g = MulDiv(dy, workWidth_, workHeight_);
    *sx = cx;
    *sy = cy;
    if (g == 0 && dx == 0)
        return;
    const int32_t r = int32_t(std::sqrt(double(g) * g + double(dx) * dx));
    int32_t k = int32_t(std::atan2(double(dy), double(dx)) * half_ * kHalfTurns);
    if (k < 0)
        k += 2 * half_;
    const int32_t t = rMax_ + profile_[size_t(k)];
    const int32_t s = t < 1 ? 0 : MulDiv(r, rMax_, t);
    if (s < 1)
        return;
    *sx = cx + MulDiv(dx, s, r);
    *sy = cy + MulDiv(dy, s, r);
}

void BurstEngine::Scatter(int32_t x, int32_t y, int32_t* sx, int32_t* sy)
{
    const int32_t cx = 8 * workWidth_ + 8, cy = 8 * workHeight_ + 8;
    const int32_t dy = y - cy, dx = x - cx;
    const int32_t g = MulDiv(dy, workWidth_, workHeight_);
    // Every pixel draws two numbers, moved or not, so the field does not
    // depend on which pixels move.
    if (g == 0 && dx == 0) {
        rand_.Next();
        rand_.Next();
        return;
    }
    if (rand_.Next() % 100 > density_ - 1) {
        rand_.Next();
        return;
    }
    const int32_t r = int32_t(std::sqrt(double(g) * g + double(dx) * dx));
    const int32_t d = collapse_ ? -rand_.Next() : rand_.Next();
    const int32_t t = rMax_ + d % r_;
    const int32_t s = t <= 0 ? 0 : MulDiv(r, rMax_, t);
    if (s <= 0) {
        *sx = cx;
        *sy = cy;
        return;
    }
    *sx = cx + MulDiv(dx, s, r);
    *sy = cy + MulDiv(dy, s, r);
}
