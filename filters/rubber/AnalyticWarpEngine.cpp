#include "filters/rubber/AnalyticWarpEngine.h"

#include "platform/MulDiv.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using platform::MulDiv;

namespace {

// The dialogs never store more than these; a block edited by hand must
// neither divide by zero nor push the angles past 32 bits.
constexpr int32_t kMaxStrength = 100;
constexpr int32_t kMaxWaves = 50;

constexpr int32_t kFullTurn = SineTable4096::kFullTurn;

} // namespace

AnalyticWarpEngine::AnalyticWarpEngine(FilterRecord* record, const SevenLongParams* params)
    : DisplacementEngine(record), params_(params)
{
}

AnalyticWarpEngine::Constants AnalyticWarpEngine::ConstantsOf(int32_t width, int32_t height, int32_t strength,
                                                              int32_t size)
{
    const int64_t w = width, h = height;
    const int64_t s = std::clamp(strength, 1, kMaxStrength);
    const int64_t n = std::clamp(size, 1, kMaxWaves);
    Constants c{};
    c.width = width;
    c.height = height;
    c.cx = int32_t(8 * w);
    c.cy = int32_t(8 * h);
    // Held in 32 bits: pictures past 8192 pixels would wrap 16.
    c.rx = int32_t(8 * w - 8);
    c.ry = int32_t(8 * h - 8);
    c.e = int32_t(std::sqrt(double(64 * (w * w + h * h))));
    c.m = int32_t(int64_t{3} * c.e * 25 / s);
    c.dx = c.m - c.rx;
    c.dy = c.m - c.ry;
    c.px = c.rx + c.m / 2;
    c.py = c.ry + c.m / 2;
    c.ax = int32_t((w * s) / n / 50 * 8);
    c.ay = int32_t((h * s) / n / 50 * 8);
    c.ar = int32_t(((s * c.rx) / n / 50) >> 1);
    c.k = int32_t(std::max<int64_t>(1, (int64_t{c.rx} * c.rx) / s * 50 / 12868));
    return c;
}

AnalyticWarpEngine::Position AnalyticWarpEngine::PositionOf(int32_t type, int32_t direction)
{
    static const Position pinch[] = {&AnalyticWarpEngine::PinchAlongX, &AnalyticWarpEngine::PinchAlongY,
                                     &AnalyticWarpEngine::PinchRadial};
    static const Position punch[] = {&AnalyticWarpEngine::PunchAlongX, &AnalyticWarpEngine::PunchAlongY,
                                     &AnalyticWarpEngine::PunchRadial};
    static const Position wave[] = {&AnalyticWarpEngine::WaveAlongY, &AnalyticWarpEngine::WaveAlongX,
                                    &AnalyticWarpEngine::WaveRadial};
    // A mode no dialog offers (an edited settings file) leaves the picture
    // as it is.
    switch (type) {
    case kPinch: return direction >= 0 && direction <= 2 ? pinch[direction] : nullptr;
    case kPunch: return direction >= 0 && direction <= 2 ? punch[direction] : nullptr;
    case kWave: return direction >= 0 && direction <= 2 ? wave[direction] : nullptr;
    case kWhirl: return direction == 0 || direction == 1 ? &AnalyticWarpEngine::Whirl : nullptr;
    default: return nullptr;
    }
}

bool AnalyticWarpEngine::Begin()
{
    const int32_t type = params_->type;
    const int32_t direction = params_->direction;
    c_ = ConstantsOf(std::max(0, workWidth_), std::max(0, workHeight_), params_->strength, params_->size);
    waves_ = std::clamp(params_->size, 1, kMaxWaves);
    clockwise_ = direction == 0;
    if ((type == kWave || type == kWhirl) && !sine_.Build()) {
        DisplacementEngine::End();
        return false;
    }
    position_ = PositionOf(type, direction);
    NoteSourceRows(type, direction);
    return DisplacementEngine::Begin();
}

void AnalyticWarpEngine::End()
{
    DisplacementEngine::End();
    position_ = nullptr;
    sine_.Free();
}

void AnalyticWarpEngine::Displace(int32_t x16, int32_t y16, int32_t* srcX16, int32_t* srcY16)
{
    *srcX16 = x16;
    *srcY16 = y16;
    if (position_)
        (this->*position_)(x16, y16, srcX16, srcY16);
}

AnalyticWarpEngine::Radial AnalyticWarpEngine::RadialOf(int32_t x, int32_t y) const
{
    Radial p{};
    p.dx = x - c_.cx;
    p.fy = MulDiv(y - c_.cy, c_.rx, c_.ry);
    p.r = int32_t(std::sqrt(double(p.dx) * p.dx + double(p.fy) * p.fy));
    return p;
}

int32_t AnalyticWarpEngine::Unscaled(int32_t v) const { return MulDiv(v, c_.ry, c_.rx); }

void AnalyticWarpEngine::RadialResult(int32_t ux, int32_t uy, int32_t* sx, int32_t* sy) const
{
    const int32_t w16 = 2 * c_.cx;
    if (c_.cx + ux < 0 || c_.cx + ux >= w16 || c_.cx + uy < 0 || c_.cx + uy >= w16)
        return;
    *sx = c_.cx + ux;
    *sy = c_.cy + Unscaled(uy);
}

void AnalyticWarpEngine::PinchAlongX(int32_t x, int32_t, int32_t* sx, int32_t*) const
{
    const int32_t dx = x - c_.cx;
    const int32_t v = c_.cx + MulDiv(dx, c_.m - std::abs(dx), c_.dx);
    if (v >= 0 && v < 2 * c_.cx)
        *sx = v;
}

void AnalyticWarpEngine::PinchAlongY(int32_t, int32_t y, int32_t*, int32_t* sy) const
{
    const int32_t dy = y - c_.cy;
    const int32_t v = c_.cy + MulDiv(dy, c_.m - std::abs(dy), c_.dy);
    if (v >= 0 && v < 2 * c_.cy)
        *sy = v;
}

void AnalyticWarpEngine::PinchRadial(int32_t x, int32_t y, int32_t* sx, int32_t* sy) const
{
    const Radial p = RadialOf(x, y);
    if (p.r > c_.rx)
        return;
    RadialResult(MulDiv(p.dx, c_.m - p.r, c_.dx), MulDiv(p.fy, c_.m - p.r, c_.dx), sx, sy);
}

// Punch grows where Pinch shrinks; sources past the picture's edge (only
// from its outermost column or row) are left to the engine base.
void AnalyticWarpEngine::PunchAlongX(int32_t x, int32_t, int32_t* sx, int32_t*) const
{
    const int32_t dx = x - c_.cx;
    *sx = c_.cx + MulDiv(dx, std::abs(dx) + c_.m / 2, c_.px);
}

void AnalyticWarpEngine::PunchAlongY(int32_t, int32_t y, int32_t*, int32_t* sy) const
{
    const int32_t dy = y - c_.cy;
    *sy = c_.cy + MulDiv(dy, std::abs(dy) + c_.m / 2, c_.py);
}

void AnalyticWarpEngine::PunchRadial(int32_t x, int32_t y, int32_t* sx, int32_t* sy) const
{
    const Radial p = RadialOf(x, y);
    if (p.r > c_.rx)
        return;
    RadialResult(MulDiv(p.dx, p.r + c_.m / 2, c_.px), MulDiv(p.fy, p.r + c_.m / 2, c_.px), sx, sy);
}

void AnalyticWarpEngine::WaveAlongY(int32_t, int32_t y, int32_t*, int32_t* sy) const
{
    // One row pictures have no period to spread: their row stays.
    const int64_t rows = std::max(1, c_.height - 1);
    const int32_t a = int32_t(int64_t{y >> 4} * kFullTurn / rows * waves_);
    const int32_t v = y + int32_t(int64_t{sine_.Sin(a)} * c_.ay / 4096);
    if (v >= 0 && (v >> 4) < c_.height)
        *sy = v;
}

void AnalyticWarpEngine::WaveAlongX(int32_t x, int32_t, int32_t* sx, int32_t*) const
{
    const int64_t columns = std::max(1, c_.width - 1);
    const int32_t a = int32_t(int64_t{x >> 4} * kFullTurn / columns * waves_);
    const int32_t v = x + int32_t(int64_t{sine_.Sin(a)} * c_.ax / 4096);
    if (v >= 0 && (v >> 4) < c_.width)
        *sx = v;
}

void AnalyticWarpEngine::WaveRadial(int32_t x, int32_t y, int32_t* sx, int32_t* sy) const
{
    const Radial p = RadialOf(x, y);
    if (p.r == 0 || p.r > c_.rx)
        return;
    const int64_t columns = std::max(1, c_.width - 1);
    const int32_t a = int32_t(int64_t{p.r >> 4} * kFullTurn / columns * waves_);
    const int32_t s = int32_t(int64_t{sine_.Sin(a)} * c_.ar / 4096);
    const int32_t ux = MulDiv(s, p.dx, p.r);
    const int32_t uy = MulDiv(s, p.fy, p.r);
    const int32_t v = x + ux;
    const int32_t w16 = 2 * c_.cx;
    if (v < 0 || v >= w16 || c_.cx + p.fy + uy < 0 || c_.cx + p.fy + uy >= w16)
        return;
    *sx = v;
    *sy = c_.cy + Unscaled(p.fy + uy);
}

void AnalyticWarpEngine::Whirl(int32_t x, int32_t y, int32_t* sx, int32_t* sy) const
{
    const Radial p = RadialOf(x, y);
    if (p.r == 0 || p.r > c_.rx)
        return;
    // Turned most near the centre, not at all at the rim.
    const int32_t a = MulDiv(p.r - c_.rx, p.r - c_.rx, c_.k);
    const int64_t s = sine_.Sin(a), c = sine_.Cos(a);
    const int64_t dx = p.dx, fy = p.fy;
    int64_t ux, uy;
    if (clockwise_) {
        ux = fy * s / 4096 + c * dx / 4096;
        uy = fy * c / 4096 - s * dx / 4096;
    } else {
        ux = dx * c / 4096 - fy * s / 4096;
        uy = fy * c / 4096 + dx * s / 4096;
    }
    RadialResult(int32_t(ux), int32_t(uy), sx, sy);
}
