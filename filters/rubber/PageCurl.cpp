#include "filters/rubber/PageCurl.h"

#include <algorithm>
#include <cmath>

namespace {

// The types that roll along the width (their factor 0.28937262).
bool RollsAlongWidth(int32_t type) { return type == 1 || type == 2 || type == 5 || type == 6; }
bool RightCorner(int32_t type) { return type == 1 || type == 2 || type == 4 || type == 7; }
bool BottomCorner(int32_t type) { return type == 1 || type == 3 || type == 5 || type == 7; }

int64_t Nint(double v) { return std::llround(v); }

} // namespace

int32_t PageCurl::StrengthOf(int32_t stored) { return std::clamp(stored, 1, 99); }
int32_t PageCurl::TypeOf(int32_t stored) { return std::clamp(stored, 0, 7); }

PageCurl::PageCurl(int32_t strength, int32_t type, int32_t width, int32_t height)
    : type_(TypeOf(type)), width_(std::max(0, width)), height_(std::max(0, height))
{
    const bool alongWidth = RollsAlongWidth(type_);
    const double side = alongWidth ? width_ : height_;
    const double k = alongWidth ? 0.28937262 : 0.21220659;
    // tan(strength * pi / 200), the steepest short of a quarter turn.
    const double t = std::tan(StrengthOf(strength) * 0.015708) * side;
    // Half an odd side rounded up would take the curl past the edge.
    int64_t r = std::min(Nint(std::min(t * k, side / 2)), int64_t(side) / 2);
    // A side too short to roll leaves no cylinder.
    if (side - double(r) < 1)
        r = 0;
    const double rest = side - double(r);
    const double a = std::atan2(rest > 0 ? t / rest : 0, 1);
    const double g = rest > 0 ? std::asin(std::clamp(double(r) * std::cos(a) / rest, -1.0, 1.0)) : 0;
    g_.side = int64_t(side);
    g_.radius = r;
    g_.x1 = Nint(t + double(r) * std::cos(g + a));
    g_.y1 = Nint(rest - double(r) * std::sin(g + a));
    g_.x2 = Nint(t - double(r) * std::cos(a - g));
    g_.y2 = Nint(rest + double(r) * std::sin(a - g));
    g_.cx = Nint(t);
    g_.cy = Nint(rest);
    g_.s1 = g_.x1 * 1024 / std::max<int64_t>(1, g_.y1 + 1);
    g_.s2 = g_.x2 * 1024 / std::max<int64_t>(1, g_.y2 + 1);
}

int32_t PageCurl::Shade(double x)
{
    const double b = 1 - x;
    double v = 0;
    if (b < 0.075)
        v = 50 + 666.7 * b;
    else if (b < 0.125)
        v = 50 + 500 * std::abs(b - 0.1);
    else if (b < 0.375)
        v = 800 * std::abs(b - 0.25);
    else if (b < 0.625)
        v = 255 - 1240 * std::abs(b - 0.5);
    else if (b < 0.875)
        v = 50 + 500 * std::abs(b - 0.75);
    else if (b >= 0.93)
        v = 100 - 1400 * (b - 0.93);
    else
        v = 150 - 1818.2 * std::abs(b - 0.9025);
    return int32_t(std::lround(v));
}

void PageCurl::Canonical(int32_t column, int32_t row, int64_t* u, int64_t* v) const
{
    const int64_t c = RightCorner(type_) ? int64_t{width_} - column : column;
    const int64_t y = BottomCorner(type_) ? int64_t{height_} - row : row;
    if (RollsAlongWidth(type_)) {
        *u = y;
        *v = c;
    } else {
        *u = c;
        *v = y;
    }
}

PageCurl::Region PageCurl::RegionAt(int32_t column, int32_t row, double* t) const
{
    int64_t u = 0, v = 0;
    Canonical(column, row, &u, &v);
    const int64_t q = u * 1024 / std::max<int64_t>(1, v + 1);
    *t = double(q - g_.s2) / (double(g_.s1 - g_.s2) + 0.1);
    if (q > g_.s1)
        return kFlat;
    const int64_t du = u - g_.cx, dv = v - g_.cy;
    const bool outside = du * du + dv * dv > g_.radius * g_.radius;
    if (u < g_.x1 && v < g_.y2 && q > g_.s2 && outside)
        return kCurled;
    if (u < g_.cx && outside)
        return kBackground;
    return kBack;
}

int32_t PageCurl::ValueIn(Region region, double t, int32_t value, int32_t previous, int32_t background)
{
    switch (region) {
    case kFlat: return value;
    case kCurled: return std::min(255, (previous + value / 2 + 2 * Shade(t)) / 3);
    case kBackground: return background;
    case kBack: return t < 0 ? 0 : int32_t(std::lround(value * std::sqrt(t)));
    }
    return value;
}

void PageCurl::Row(int32_t row, const uint8_t* above, const uint8_t* at, const uint8_t* below, int32_t planes,
                   const uint8_t* background, uint8_t* out) const
{
    const uint8_t* rows[3] = {above, at, below};
    const int32_t last = width_ - 1;
    for (int32_t k = 0; k < planes; ++k) {
        // Before the first pixel, the row's first value.
        int32_t previous = width_ > 0 ? at[k] : 0;
        Region before = kFlat;
        for (int32_t c = 0; c < width_; ++c) {
            double t = 0;
            const Region region = RegionAt(c, row, &t);
            int32_t value = ValueIn(region, t, at[c * planes + k], previous, background[k]);
            if (c > 0 && region != before) {
                // An edge: the previous output and the seven other
                // neighbours, each through its own region.
                int32_t sum = previous;
                for (int32_t dy = -1; dy <= 1; ++dy)
                    for (int32_t dx = -1; dx <= 1; ++dx) {
                        if ((dx == 0 && dy == 0) || (dx == -1 && dy == 0))
                            continue;
                        const int32_t nc = std::clamp(c + dx, 0, last);
                        const int32_t nr = std::clamp(row + dy, 0, height_ - 1);
                        double nt = 0;
                        const Region nreg = RegionAt(nc, nr, &nt);
                        sum += ValueIn(nreg, nt, rows[dy + 1][nc * planes + k], previous, background[k]);
                    }
                value = sum / 8;
            }
            out[c * planes + k] = uint8_t(std::clamp(value, 0, 255));
            previous = out[c * planes + k];
            before = region;
        }
    }
}
