#include "editor/painting/FillPatterns.h"

#include <cmath>
#include <cstdlib>

namespace {

// (a (n - t) + b t) / n, truncating; the start colour where n is 0 (an area
// one pixel thin), which would otherwise divide by zero.
int32_t Mix(int32_t a, int32_t b, int64_t t, int64_t n)
{
    if (n == 0)
        return a;
    return int32_t((int64_t(a) * (n - t) + int64_t(b) * t) / n);
}

} // namespace

int32_t FillPatternLevel(int32_t kind, int32_t a, int32_t b, int32_t w, int32_t h, int32_t u, int32_t v)
{
    switch (kind) {
    case FILL_VERTICAL: return Mix(a, b, v, h);
    case FILL_HORIZONTAL: return Mix(a, b, u, w);
    case FILL_RIGHT: return Mix(a, b, int64_t(u) + v, int64_t(w) + h);
    case FILL_LEFT: return Mix(a, b, int64_t(w) - u + v, int64_t(w) + h);
    case FILL_RECTANGLE: {
        const int64_t hw = w / 2, hh = h / 2, du = std::llabs(u - hw), dv = std::llabs(v - hh);
        return du * hh <= dv * hw ? Mix(a, b, dv, hh) : Mix(a, b, du, hw);
    }
    case FILL_ROUND: {
        const int64_t hw = w / 2, hh = h / 2;
        const auto root = [](int64_t n) { return int64_t(std::sqrt(double(n))); };
        const int64_t R = root(hw * hw + hh * hh);
        const int64_t r = root((hw - u) * (hw - u) + (hh - v) * (hh - v));
        return Mix(a, b, r, R);
    }
    default: return a;
    }
}
