#include "filters/rubber/ParticleEngine.h"

#include "filters/frame/FilterModuleState.h"
#include "filters/rubber/CubicStep.h"
#include "platform/TickClock.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

// Degrees to radians with pi taken as 3.14159, as the dials turn.
constexpr double kRadiansPerDegree = 0.01745327777777778;

} // namespace

ParticleEngine::ParticleEngine(FilterRecord* record, const SevenLongParams* params)
    : DisplacementEngine(record), params_(params), tickSeed_(platform::TickClock::Now()),
      seed_(params->freeze ? 1u : tickSeed_)
{
}

int32_t ParticleEngine::Cos1024(int32_t degrees) { return int32_t(1024 * std::cos(degrees * kRadiansPerDegree)); }
int32_t ParticleEngine::Sin1024(int32_t degrees) { return int32_t(1024 * std::sin(degrees * kRadiansPerDegree)); }

bool ParticleEngine::Begin()
{
    // The box may be ticked in the dialog after the engine was made.
    seed_ = params_->freeze ? 1u : tickSeed_;
    rand_.Seed(seed_);
    lastPlane_ = -1;
    lastRow_ = -1;
    // A block no dialog wrote is held to what the dialogs allow.
    type_ = params_->type;
    strength_ = std::clamp(params_->strength, 1, 100);
    const int32_t direction = std::clamp(params_->direction, 0, 359);
    cos_ = Cos1024(direction);
    sin_ = Sin1024(direction);
    const int32_t w = std::max(0, workWidth_), h = std::max(0, workHeight_);
    if (type_ == kPixelStorm) {
        density_ = std::clamp(params_->size, 1, 100);
        ry_ = strength_;
        rx_ = strength_ * strength_ / 200;
    } else {
        const int32_t wetness = std::clamp(params_->size, 1, 10);
        ry_ = 103 - 8 * wetness;
        rx_ = ry_ * 10 / 200;
        d_ = std::max(1, std::abs(strength_ * 20 / 200));
    }
    if (type_ == kGravity) {
        const int32_t primed = w + 2 * d_ + 32;
        if (!gravity_.Allocate(primed, {rx_, ry_, d_, strength_})) {
            DisplacementEngine::End();
            return false;
        }
        for (int i = 0; i < 4; ++i)
            gravity_.Row(0, primed, rand_);
    } else if (type_ == kWind) {
        if (!wind_.Build(w, h, {rx_, ry_, d_, strength_, cos_, sin_}, rand_)) {
            DisplacementEngine::End();
            return false;
        }
    }
    return DisplacementEngine::Begin();
}

void ParticleEngine::End()
{
    DisplacementEngine::End();
    gravity_.Free();
    wind_.Free();
}

bool ParticleEngine::PrepareRow(int32_t row)
{
    // Every colour plane starts the field afresh, so all move alike.
    const int16_t plane = record_ ? record_->outLoPlane : int16_t(0);
    if (plane != lastPlane_ && plane >= 0) {
        const int32_t keptRow = lastRow_;
        End();
        if (!Begin())
            return false;
        lastRow_ = keptRow;
        lastPlane_ = plane;
    }
    if (row != lastRow_) {
        lastRow_ = row;
        if (type_ == kGravity)
            gravity_.Row(row, std::max(0, workWidth_) + 10, rand_);
    }
    return true;
}

bool ParticleEngine::HostRow(int32_t row)
{
    if (!PrepareRow(row))
        return FailForMemory();
    return DisplacementEngine::HostRow(row);
}

void ParticleEngine::PreviewRow(int32_t row, PreviewTile& tile)
{
    if (PrepareRow(row))
        DisplacementEngine::PreviewRow(row, tile);
}

void ParticleEngine::Displace(int32_t x16, int32_t y16, int32_t* srcX16, int32_t* srcY16)
{
    *srcX16 = x16;
    *srcY16 = y16;
    switch (type_) {
    case kGravity: {
        const int32_t c = x16 >> 4;
        *srcX16 = x16 + gravity_.X(c) * rx_ / 8;
        *srcY16 = y16 - gravity_.Y(c) * ry_ / 8;
        break;
    }
    case kWind: wind_.Source(x16, y16, srcX16, srcY16); break;
    case kPixelStorm: Storm(x16, y16, srcX16, srcY16); break;
    default: break; // a type no dialog offers leaves the picture as it is
    }
}

void ParticleEngine::Storm(int32_t x, int32_t y, int32_t* sx, int32_t* sy)
{
    if (8 * density_ < rand_.Next() % 800)
        return;
    int32_t r = rand_.Next();
    int32_t e = 0;
    if (rx_ != 0)
        e = rand_.Next() % rx_ * 10;
    r = r % strength_ * 10;
    *sx = x + (r * sin_ + e * cos_) / 1024;
    *sy = y - (r * cos_ - e * sin_) / 1024;
}

bool ParticleEngine::SourceRows(int32_t first, int32_t last, int32_t* top, int32_t* bottom) const
{
    // The source row is y - rise / 16, rise in 1/16 pixel; its span is
    // taken at the corners of the spans it is made of.
    double rise[2] = {0, 0};
    auto spanOf = [&](double a0, double a1, double b0, double b1, auto of) {
        double low = 0, high = 0;
        bool any = false;
        for (double a : {a0, a1})
            for (double b : {b0, b1}) {
                const double v = of(a, b);
                low = any ? std::min(low, v) : v;
                high = any ? std::max(high, v) : v;
                any = true;
            }
        return std::pair{low, high};
    };
    switch (type_) {
    case kGravity: {
        const CubicSpan y = TwiceSteppedSpan({0, double(strength_)});
        rise[0] = y.low * ry_ / 8 - 1;
        rise[1] = y.high * ry_ / 8 + 1;
        break;
    }
    case kWind: {
        const CubicSpan along = TwiceSteppedSpan({-double(d_), double(d_)});
        const CubicSpan across = TwiceSteppedSpan({0, double(strength_ - 1)});
        const auto [low, high] = spanOf(along.low * rx_ / 8, along.high * rx_ / 8, across.low * ry_ / 8,
                                        across.high * ry_ / 8,
                                        [&](double b, double d) { return (b * sin_ + d * cos_) / 1024; });
        rise[0] = low - 2;
        rise[1] = high + 2;
        break;
    }
    case kPixelStorm: {
        const auto [low, high] = spanOf(0, 10.0 * (strength_ - 1), 0, 10.0 * std::max(0, rx_ - 1),
                                        [&](double r, double e) { return (r * cos_ - e * sin_) / 1024; });
        rise[0] = std::min(low, 0.0) - 1;
        rise[1] = std::max(high, 0.0) + 1;
        break;
    }
    default: break;
    }
    // Rows above come from a rise, rows below from a fall.
    const int32_t h = std::max(0, workHeight_);
    const int32_t up = ReachRows(std::max(0.0, rise[1]), h), down = ReachRows(std::max(0.0, -rise[0]), h);
    *top = int32_t(std::max<int64_t>(INT32_MIN, int64_t{first} - up));
    *bottom = int32_t(std::min<int64_t>(INT32_MAX, int64_t{last} + down));
    return true;
}
