// Explosions and Collapses recomputed in the tests from their formulas,
// apart from the engine: the module's generator, the amplitude, the
// profile of peaks and valleys and the source of every output pixel of a
// work area, drawn in the order the engine walks it (rows top-down, each
// left to right), as the scatter variants draw per pixel.
#pragma once

#include "RubberReference.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

struct RefRand {
    uint32_t state;
    int32_t Draw()
    {
        state = state * 214013u + 2531011u;
        return int32_t((state >> 16) & 0x7FFF);
    }
};

struct BurstField {
    BurstField(int32_t width, int32_t height, int32_t variant, int32_t strength, int32_t size, uint32_t seed)
        : w(width), h(height)
    {
        const int32_t a = int32_t(std::sqrt(double(w) * w * 0.5)) * strength / 100;
        R = a > 0 ? 16 * a : 16;
        rMax = int32_t(std::sqrt(128.0 * w * w));
        RefRand rand{seed};
        const bool scatter = variant == 2 || variant == 5;
        if (!scatter) {
            const double ra = w + 10;
            const int32_t c5 = int32_t(5000 * std::atan(1.0)), d5 = int32_t(5000 * std::atan(ra / (ra + 1)));
            count = 15708;
            if (c5 != d5) {
                const int32_t q = 15708 / std::abs(c5 - d5);
                count = q > 15706 ? 15708 : q + 1;
            }
            count = std::max(1, count / size);
            n = size * count;
            const int32_t sign = variant >= 3 ? -1 : 1, half = R * 100 / 200;
            std::vector<int32_t> node;
            for (int32_t i = 0; i < 2 * size; ++i)
                node.push_back(sign * ((i % 2 ? R - half : 0) + rand.Draw() % (half + 1)));
            node.push_back(node[0]);
            for (int32_t i = 0; i < 2 * size; ++i)
                for (int32_t j = 0; j < count; ++j) {
                    const int32_t p = node[size_t(i)], q = node[size_t(i) + 1];
                    if (variant == 0 || variant == 3)
                        table.push_back(p + RefMulDiv(j, q - p, count));
                    else if (count == 1)
                        table.push_back(p);
                    else
                        table.push_back(int32_t(p + double(j) * (q - p) * j / (count - 1) / (count - 1) *
                                                        (3 - 2.0 * j / (count - 1))));
                }
        }
        const int32_t cx = 8 * w + 8, cy = 8 * h + 8;
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                const int32_t dx = 16 * x - cx, dy = 16 * y - cy, g = RefMulDiv(dy, w, h);
                const int32_t r = int32_t(std::sqrt(double(g) * g + double(dx) * dx));
                int32_t s = 0;
                bool stays = false;
                if (!scatter) {
                    if (g != 0 || dx != 0) {
                        int32_t k = int32_t(std::atan2(double(dy), double(dx)) * n * 0.31830914183855363);
                        k += k < 0 ? 2 * n : 0;
                        const int32_t t = rMax + table[size_t(k)];
                        s = t < 1 ? 0 : RefMulDiv(r, rMax, t);
                    }
                } else if (g == 0 && dx == 0) {
                    rand.Draw(), rand.Draw();
                    stays = true;
                } else if (rand.Draw() % 100 > size - 1) {
                    rand.Draw();
                    stays = true;
                } else {
                    const int32_t d = variant == 2 ? rand.Draw() : -rand.Draw();
                    const int32_t t = rMax + d % R;
                    s = t <= 0 ? 0 : RefMulDiv(r, rMax, t);
                    moved += 1;
                }
                if (stays)
                    source.emplace_back(16 * x, 16 * y);
                else if (s < 1)
                    source.emplace_back(cx, cy);
                else
                    source.emplace_back(cx + RefMulDiv(dx, s, r), cy + RefMulDiv(dy, s, r));
            }
    }
    // The source of output pixel (x16 / 16, y16 / 16) in 1/16 pixel.
    std::pair<int32_t, int32_t> Source(int32_t x16, int32_t y16) const
    {
        return source[size_t((y16 >> 4) * w + (x16 >> 4))];
    }

    int32_t w, h, R = 0, rMax = 0, count = 0, n = 0, moved = 0;
    std::vector<int32_t> table;
    std::vector<std::pair<int32_t, int32_t>> source;
};
