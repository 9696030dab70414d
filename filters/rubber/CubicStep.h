// The cubic step of Gravity and Wind: four node values f0..f3 and a
// fraction t in percent (0..99), each term divided on its own with
// truncation. It starts at f0 and tends to f1 at t = 100; its third term
// adds f0 where a textbook cubic would take it, as the filters have always
// stepped.
#pragma once

#include <algorithm>
#include <cstdint>

inline int32_t CubicStep(int64_t f0, int64_t f1, int64_t f2, int64_t f3, int64_t t)
{
    return int32_t(f0 + t * (f0 + f2 - 2 * f1) * (t - 100) / 20000 +
                   t * (3 * f1 - 3 * f2 + f0 + f3) * (t - 100) * (t - 200) / 6000000 + t * (f1 - f0) / 100);
}

// The values steps of nodes within [low, high] can take, at any fraction;
// the three divisions may each add 1 either way.
struct CubicSpan {
    double low;
    double high;
};

inline CubicSpan StepSpan(CubicSpan nodes)
{
    CubicSpan out{0, 0};
    for (int t = 0; t < 100; ++t) {
        const double a = t * (t - 100) / 20000.0, b = t * (t - 100.0) * (t - 200) / 6000000.0, c = t / 100.0;
        const double coefficients[4] = {1 + a + b - c, -2 * a + 3 * b + c, a - 3 * b, b};
        double low = 0, high = 0;
        for (double k : coefficients) {
            low += k * (k > 0 ? nodes.low : nodes.high);
            high += k * (k > 0 ? nodes.high : nodes.low);
        }
        out.low = t == 0 ? low : std::min(out.low, low);
        out.high = t == 0 ? high : std::max(out.high, high);
    }
    return {out.low - 3, out.high + 3};
}

// Steps of steps: node rows stepped, then their columns.
inline CubicSpan TwiceSteppedSpan(CubicSpan nodes) { return StepSpan(StepSpan(nodes)); }
