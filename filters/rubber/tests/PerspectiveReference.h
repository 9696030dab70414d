// Perspective recomputed in the tests from its formulas, apart from the
// engine: the source of every output position in 1/16 pixel.
#pragma once

#include <cmath>
#include <cstdint>
#include <utility>

struct PerspectiveField {
    PerspectiveField(int32_t width, int32_t height, int32_t t1, int32_t t2)
        : w(width), h(height), hTilt(t1 - 100), vTilt(t2 - 100)
    {
    }

    // One axis: steps 1 to 3 (or 4 and 5) of the formulas.
    static int32_t Axis(int64_t p, int64_t size, int64_t tilt, int64_t q, int64_t other)
    {
        const int64_t d = tilt >= 0 ? 1600 * other - tilt * q : 1600 * other + (16 * other - q) * tilt;
        const double s = 0.5 * (16 * size) - double(2 * p - 16 * size) * double(16 * other) * -50.0 / double(d);
        if (s > double(16 * size))
            return int32_t(16 * size + 1);
        const float f = float(s);
        return f < 0 ? -1 : int32_t(std::trunc(double(f) + 0.5));
    }

    std::pair<int32_t, int32_t> Source(int32_t x16, int32_t y16) const
    {
        return {Axis(x16, w, hTilt, y16, h), Axis(y16, h, vTilt, x16, w)};
    }

    int32_t w, h, hTilt, vTilt;
};
