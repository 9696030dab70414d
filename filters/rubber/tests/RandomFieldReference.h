// The random field generators and Random deformations recomputed in the
// tests from their formulas, apart from the module: Excitations, Erosion,
// Ripples and the three-field rows, drawn from a generator of the module's
// kind, and the source of every output pixel of a work area.
#pragma once

#include "BurstReference.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

inline int32_t RefCoupling(int32_t length) { return int32_t(64 * std::exp(-1 / std::max(length - 1.0, 0.1))); }

struct RefGenerator {
    explicit RefGenerator(uint32_t seed) : rand{seed} {}
    int32_t Noise() { return rand.Draw() % (2 * A + 1) - A; }
    static int16_t S(int32_t v) { return int16_t(v); }

    // Excitations (fields 1..3 of the same coupling).
    void InitCoupled(int32_t count, int32_t a, int32_t lx, int32_t ly, int fields)
    {
        kx = RefCoupling(lx);
        ky = RefCoupling(ly);
        A = int16_t(int32_t(a * std::sqrt((1 - ky * ky / 4096.0) * (1 - kx * kx / 4096.0))));
        cur.assign(size_t(fields), std::vector<int16_t>(size_t(count) + 32, 0));
        prev = cur;
    }
    // The next row of the fields asked for (the first always).
    void Shifts(int32_t count, std::vector<bool> asked)
    {
        for (size_t f = 0; f < cur.size(); ++f)
            if (asked[f])
                cur[f][0] = S(Noise());
        for (int32_t i = 1; i < count; ++i)
            for (size_t f = 0; f < cur.size(); ++f)
                if (asked[f])
                    cur[f][size_t(i)] = S(rand.Draw() % (2 * A + 1) + kx * cur[f][size_t(i - 1)] / 64 - A);
        for (size_t f = 0; f < cur.size(); ++f)
            if (asked[f]) {
                for (int32_t i = 1; i < count; ++i)
                    cur[f][size_t(i)] = S(cur[f][size_t(i)] + ky * prev[f][size_t(i)] / 64);
                out[f] = cur[f];
                std::swap(cur[f], prev[f]);
            }
    }

    void InitErosion(int32_t count, int32_t a, int32_t degree)
    {
        static const int32_t lengths[14][2] = {{3, 2}, {2, 2}, {16, 16}, {9, 9}, {7, 7}, {5, 5}, {4, 4},
                                               {3, 4}, {4, 3}, {7, 2},   {5, 2}, {3, 3}, {4, 2}, {2, 3}};
        const int32_t d = degree >= 1 && degree <= 13 ? degree : 0;
        kx = RefCoupling(lengths[d][0]);
        ky = RefCoupling(lengths[d][1]);
        A = int16_t(int32_t(a * (1 - ky * ky / 4096.0) * (1 - kx * kx / 4096.0)));
        cur.assign(2, std::vector<int16_t>(size_t(count) + 32, 0));
        prev = cur; // the rows below, filled by spreading
    }
    void Erosion(int32_t count, bool withY)
    {
        for (int f = 0; f < 2; ++f) {
            std::swap(cur[size_t(f)], prev[size_t(f)]);
            std::fill(prev[size_t(f)].begin(), prev[size_t(f)].end(), int16_t(0));
        }
        auto spread = [](int32_t k, int32_t v) { return int32_t(int16_t(k * v)) >> 6; };
        for (int32_t k = 0; k <= count + 30; ++k) {
            const size_t i = size_t(k);
            const int32_t f = cur[0][i] + Noise();
            cur[0][i] = S(f);
            cur[0][i + 1] = S(cur[0][i + 1] + spread(kx, f));
            prev[0][i] = S(prev[0][i] + spread(ky, f));
            if (withY) {
                const int32_t h = cur[1][i];
                cur[1][i] = S(h + Noise());
                cur[1][i + 1] = S(cur[1][i + 1] + spread(kx, h));
                prev[1][i] = S(prev[1][i] + spread(ky, h));
            }
        }
        out[0] = cur[0];
        out[1] = cur[1];
    }

    void InitSmooth(int32_t count, int32_t a, int32_t cs, int32_t rs)
    {
        A = a;
        c = std::max(1, cs);
        r = std::max(1, rs);
        const int32_t d = std::max(1, std::min(cs, rs));
        const size_t grid = size_t(((2 * count + 32) / d + std::max(cs, rs) + 16 + 1) / 2);
        for (auto* g : {&prevX, &nextX, &prevY, &nextY})
            g->assign(grid, 0);
        for (int32_t i = 0; i < count; ++i)
            Noise(), Noise(); // the output rows' first contents
        for (int32_t i = 0; i <= count / d; ++i)
            for (auto* g : {&prevX, &nextX, &prevY, &nextY})
                (*g)[size_t(i)] = S(Noise());
        out[0].assign(size_t(count) + 16, 0);
        out[1].assign(size_t(count) + 16, 0);
    }
    void Smooth(int32_t count, int32_t row)
    {
        const int32_t t = row % r, nodes = count / c + 1;
        if (t == 0) {
            std::copy_n(nextX.begin(), nodes, prevX.begin());
            std::copy_n(nextY.begin(), nodes, prevY.begin());
            for (int32_t i = 0; i < nodes; ++i)
                nextX[size_t(i)] = S(Noise());
            for (int32_t i = 0; i < nodes; ++i)
                nextY[size_t(i)] = S(Noise());
        }
        for (int32_t i = 0; i < count; ++i) {
            const size_t f = size_t(i / c);
            const int32_t e = i % c;
            out[0][size_t(i)] = S(((c - e) * (t * nextX[f] + (r - t) * prevX[f]) +
                                   e * ((r - t) * prevX[f + 1] + t * nextX[f + 1])) / c / r);
            out[1][size_t(i)] = S(((c - e) * (t * nextY[f] + (r - t) * prevY[f]) +
                                   e * ((r - t) * prevY[f + 1] + t * nextY[f + 1])) / c / r);
        }
    }

    RefRand rand;
    int32_t kx = 0, ky = 0, A = 0, c = 1, r = 1;
    std::vector<std::vector<int16_t>> cur, prev;
    std::vector<int16_t> prevX, nextX, prevY, nextY;
    std::vector<int16_t> out[3];
};

// The sources of a work area under Random deformations of kind at size
// and strength (as the rows see them), from seed.
struct RandomWarpField {
    RandomWarpField(int32_t width, int32_t height, int32_t kind, int32_t size, int32_t strength, uint32_t seed)
        : w(width), h(height)
    {
        RefGenerator g(seed);
        const int32_t count = w + 10;
        if (kind == 0)
            g.InitSmooth(count, strength, size, size);
        else if (kind == 1)
            g.InitErosion(count, 400, size);
        else
            g.InitCoupled(count, 4 * strength, size, size, 2);
        for (int32_t y = 0; y < h; ++y) {
            if (kind == 0)
                g.Smooth(count, y);
            else if (kind == 1)
                g.Erosion(count, true);
            else
                g.Shifts(count, {true, true});
            for (int32_t x = 0; x < w; ++x) {
                const int32_t dx = g.out[0][size_t(x)], dy = g.out[1][size_t(x)];
                if (kind == 2)
                    source.emplace_back(16 * x + dx, 16 * y + dy);
                else if (kind == 1)
                    source.emplace_back(16 * x + dx * strength / 200, 16 * y + dy * strength / 200);
                else
                    source.emplace_back(16 * x + dx * size / 8, 16 * y + dy * size / 8);
            }
        }
    }
    std::pair<int32_t, int32_t> Source(int32_t x16, int32_t y16) const
    {
        return source[size_t((y16 >> 4) * w + (x16 >> 4))];
    }

    int32_t w, h;
    std::vector<std::pair<int32_t, int32_t>> source;
};
