// Page curl recomputed in the tests from its formulas, apart from the
// engine: type 0's geometry on the side it rolls along, the other types'
// positions mirrored from their corner and turned for those that roll
// along the width, the four regions, the shade of the curled paper and the
// smoothed edges between regions.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

struct PageCurlRef {
    PageCurlRef(int32_t strength, int32_t type_, int32_t width, int32_t height) : type(type_), w(width), h(height)
    {
        width_ = type == 1 || type == 2 || type == 5 || type == 6;
        right = type == 1 || type == 2 || type == 4 || type == 7;
        bottom = type == 1 || type == 3 || type == 5 || type == 7;
        const double S = width_ ? w : h, k = width_ ? 0.28937262 : 0.21220659;
        const double T = std::tan(strength * 0.015708) * S;
        r = std::min<int64_t>(std::llround(std::min(T * k, S / 2)), int64_t(S) / 2);
        if (S - r < 1)
            r = 0;
        const double a = std::atan2(S - r > 0 ? T / (S - r) : 0, 1);
        const double g = S - r > 0 ? std::asin(r * std::cos(a) / (S - r)) : 0;
        x1 = std::llround(T + r * std::cos(g + a));
        y1 = std::llround(S - r - r * std::sin(g + a));
        x2 = std::llround(T - r * std::cos(a - g));
        y2 = std::llround(S - r + r * std::sin(a - g));
        cx = std::llround(T);
        cy = std::llround(S - r);
        s1 = x1 * 1024 / (y1 + 1);
        s2 = x2 * 1024 / (y2 + 1);
    }

    static int32_t Shade(double x)
    {
        const double b = 1 - x;
        double v = b < 0.075   ? 50 + 666.7 * b
                   : b < 0.125 ? 50 + 500 * std::abs(b - 0.1)
                   : b < 0.375 ? 800 * std::abs(b - 0.25)
                   : b < 0.625 ? 255 - 1240 * std::abs(b - 0.5)
                   : b < 0.875 ? 50 + 500 * std::abs(b - 0.75)
                   : b >= 0.93 ? 100 - 1400 * (b - 0.93)
                               : 150 - 1818.2 * std::abs(b - 0.9025);
        return int32_t(std::lround(v));
    }

    int Region(int64_t c, int64_t y, double& t) const
    {
        c = right ? w - c : c;
        y = bottom ? h - y : y;
        const int64_t u = width_ ? y : c, v = width_ ? c : y;
        const int64_t q = u * 1024 / (v + 1);
        t = double(q - s2) / (double(s1 - s2) + 0.1);
        const bool outside = (u - cx) * (u - cx) + (v - cy) * (v - cy) > r * r;
        if (q > s1)
            return 0;
        if (u < x1 && v < y2 && q > s2 && outside)
            return 1;
        if (u < cx && outside)
            return 2;
        return 3;
    }

    static int32_t Value(int region, double t, int32_t in, int32_t previous, int32_t back)
    {
        if (region == 0)
            return in;
        if (region == 1)
            return std::min(255, (previous + in / 2 + 2 * Shade(t)) / 3);
        if (region == 2)
            return back;
        return t < 0 ? 0 : int32_t(std::lround(in * std::sqrt(t)));
    }

    // The output of a whole area, rows of width x planes bytes.
    std::vector<uint8_t> Run(const std::vector<uint8_t>& in, int32_t planes, const uint8_t* back) const
    {
        std::vector<uint8_t> out(in.size());
        auto at = [&](int32_t c, int32_t y, int32_t k) {
            return in[size_t((std::clamp(y, 0, h - 1) * w + std::clamp(c, 0, w - 1)) * planes + k)];
        };
        for (int32_t y = 0; y < h; ++y)
            for (int32_t k = 0; k < planes; ++k) {
                int32_t previous = at(0, y, k);
                int before = 0;
                for (int32_t c = 0; c < w; ++c) {
                    double t = 0;
                    const int region = Region(c, y, t);
                    int32_t v = Value(region, t, at(c, y, k), previous, back[k]);
                    if (c > 0 && region != before) {
                        int32_t sum = previous;
                        for (int32_t dy = -1; dy <= 1; ++dy)
                            for (int32_t dx = -1; dx <= 1; ++dx) {
                                if (dy == 0 && dx <= 0)
                                    continue;
                                const int32_t nc = std::clamp(c + dx, 0, w - 1), ny = std::clamp(y + dy, 0, h - 1);
                                double nt = 0;
                                const int nr = Region(nc, ny, nt);
                                sum += Value(nr, nt, at(nc, ny, k), previous, back[k]);
                            }
                        v = sum / 8;
                    }
                    out[size_t((y * w + c) * planes + k)] = uint8_t(std::clamp(v, 0, 255));
                    previous = out[size_t((y * w + c) * planes + k)];
                    before = region;
                }
            }
        return out;
    }

    int32_t type, w, h;
    bool width_, right, bottom;
    int64_t r, x1, y1, x2, y2, cx, cy, s1, s2;
};
