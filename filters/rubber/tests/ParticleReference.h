// Gravity, Wind and Pixel storm recomputed in the tests from their
// formulas, apart from the engine: the module's generator drawn in the
// order the engine draws (Gravity's node rows as the rows come, Wind's
// grid at the start, Pixel storm per pixel, rows top-down), and the source
// of every output pixel of a work area.
#pragma once

#include "BurstReference.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

inline int32_t RefCubic(int64_t f0, int64_t f1, int64_t f2, int64_t f3, int64_t t)
{
    const int64_t a = t * (f0 + f2 - 2 * f1) * (t - 100) / 20000;
    const int64_t b = t * (3 * f1 - 3 * f2 + f0 + f3) * (t - 100) * (t - 200) / 6000000;
    return int32_t(f0 + a + b + t * (f1 - f0) / 100);
}

struct ParticleField {
    ParticleField(int32_t width, int32_t height, int32_t type, int32_t strength, int32_t second, int32_t direction,
                  uint32_t seed)
        : w(width), h(height)
    {
        RefRand rand{seed};
        const double a = direction * 0.01745327777777778;
        const int32_t cs = int32_t(1024 * std::cos(a)), sn = int32_t(1024 * std::sin(a));
        const int32_t S = strength;
        if (type == 2) {
            const int32_t side = S * S / 200;
            for (int32_t y = 0; y < h; ++y)
                for (int32_t x = 0; x < w; ++x) {
                    if (8 * second < rand.Draw() % 800) {
                        source.emplace_back(16 * x, 16 * y);
                        continue;
                    }
                    int32_t r = rand.Draw(), e = 0;
                    if (side != 0)
                        e = (rand.Draw() % side) * 10;
                    r = (r % S) * 10;
                    moved += 1;
                    source.emplace_back(16 * x + (r * sn + e * cs) / 1024, 16 * y - (r * cs - e * sn) / 1024);
                }
            return;
        }
        const int32_t Ry = 103 - 8 * second, Rx = Ry * 10 / 200, d = std::max(1, std::abs(S * 20 / 200));
        auto uniform = [&](int32_t lo, int32_t hi) { return std::min(lo, hi) + rand.Draw() % (std::abs(lo - hi) + 1); };
        if (type == 0) {
            const int32_t widest = w + 2 * d + 32;
            std::array<std::vector<int32_t>, 4> X, Y;
            for (auto& row : X)
                row.assign(size_t(widest / Rx) + 8, 0);
            for (auto& row : Y)
                row.assign(size_t(widest / Rx) + 8, 0);
            std::vector<int32_t> xOff(size_t(widest / Rx + 2) * size_t(Rx)), yOff(xOff.size());
            auto advance = [&](int32_t row, int32_t wr) {
                const int32_t k = row % Ry;
                if (k == 0) {
                    std::rotate(X.begin(), X.begin() + 1, X.end());
                    std::rotate(Y.begin(), Y.begin() + 1, Y.end());
                    for (int32_t i = 0; i <= wr / Rx; ++i)
                        X[3][size_t(i)] = uniform(-d, d);
                    for (int32_t i = 0; i <= wr / Rx; ++i)
                        Y[3][size_t(i)] = uniform(0, S);
                }
                const int32_t t = k * 100 / Ry;
                for (int32_t i = 0; i <= wr / Rx; ++i) {
                    int32_t cx[4], cy[4];
                    for (int32_t n = 0; n < 4; ++n) {
                        const size_t c = size_t(i + n);
                        cx[n] = RefCubic(X[0][c], X[1][c], X[2][c], X[3][c], t);
                        cy[n] = RefCubic(Y[0][c], Y[1][c], Y[2][c], Y[3][c], t);
                    }
                    for (int32_t j = 0; j < Rx; ++j) {
                        xOff[size_t(i * Rx + j)] = RefCubic(cx[0], cx[1], cx[2], cx[3], 100 * j / Rx);
                        yOff[size_t(i * Rx + j)] = RefCubic(cy[0], cy[1], cy[2], cy[3], 100 * j / Rx);
                    }
                }
            };
            for (int i = 0; i < 4; ++i)
                advance(0, widest);
            for (int32_t y = 0; y < h; ++y) {
                advance(y, w + 10);
                for (int32_t x = 0; x < w; ++x)
                    source.emplace_back(16 * x + xOff[size_t(x)] * Rx / 8, 16 * y - yOff[size_t(x)] * Ry / 8);
            }
            return;
        }
        // Wind.
        const int64_t f = std::max(2 * d, S), wm = w + f + 32, hm = h + f + 32;
        const int64_t P = wm * std::abs(cs) / 1024 + hm * std::abs(sn) / 1024;
        const int64_t Q = wm * std::abs(sn) / 1024 + hm * std::abs(cs) / 1024;
        const int64_t rows = Q / Ry + 4, C = P / Rx + 4;
        std::vector<int32_t> X(size_t(rows * C)), Y(size_t(rows * C));
        for (size_t i = 0; i < X.size(); ++i) {
            X[i] = uniform(-d, d);
            Y[i] = rand.Draw() % S;
        }
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                const int64_t dx = 16 * x - 8 * w, dy = 16 * y - 8 * h;
                const int64_t u = 8 * P + (cs * dx + sn * dy) / 1024, v = 8 * Q + (cs * dy - sn * dx) / 1024;
                const int64_t g = C * (v / Ry / 16) + u / Rx / 16;
                const int64_t t = ((v >> 4) % Ry) * 100 / Ry;
                int32_t bx[4], by[4];
                for (int64_t k = 0; k < 4; ++k) {
                    auto at = [&](const std::vector<int32_t>& n, int64_t m) { return n[size_t(g + m * C + k)]; };
                    bx[k] = RefCubic(at(X, 0), at(X, 1), at(X, 2), at(X, 3), t);
                    by[k] = RefCubic(at(Y, 0), at(Y, 1), at(Y, 2), at(Y, 3), t);
                }
                const int64_t s = ((u >> 4) % Rx) * 100 / Rx;
                const int64_t B = int64_t{RefCubic(bx[0], bx[1], bx[2], bx[3], s)} * Rx / 8;
                const int64_t D = int64_t{RefCubic(by[0], by[1], by[2], by[3], s)} * Ry / 8;
                source.emplace_back(int32_t(16 * x - (B * cs - D * sn) / 1024),
                                    int32_t(16 * y - (B * sn + D * cs) / 1024));
            }
    }

    std::pair<int32_t, int32_t> Source(int32_t x16, int32_t y16) const
    {
        return source[size_t((y16 >> 4) * w + (x16 >> 4))];
    }

    int32_t w, h, moved = 0;
    std::vector<std::pair<int32_t, int32_t>> source;
};
