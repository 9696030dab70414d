// Pinch, Punch, Wave and Whirl recomputed in the tests from their
// formulas, apart from the engine: the run's constants, the sine of the
// 4096-step table and the source of every output position in 1/16 pixel.
#pragma once

#include "RubberReference.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

struct AnalyticField {
    AnalyticField(int32_t width, int32_t height, int32_t type_, int32_t mode_, int32_t strength, int32_t size)
        : w(width), h(height), type(type_), mode(mode_), S(strength), N(size)
    {
        cx = 8 * w;
        cy = 8 * h;
        RX = 8 * w - 8;
        RY = 8 * h - 8;
        E = int32_t(std::sqrt(64.0 * (w * w + h * h)));
        M = (3 * E * 25) / S;
        DX = M - RX;
        DY = M - RY;
        PX = RX + M / 2;
        PY = RY + M / 2;
        AX = ((w * S) / N / 50) * 8;
        AY = ((h * S) / N / 50) * 8;
        AR = (((S * RX) / N) / 50) >> 1;
        K = std::max(1, ((RX * RX) / S) * 50 / 12868);
        for (int i = 0; i <= 1024; ++i)
            T[i] = int32_t(4096 * std::sin(i * 3.1415 / 2048));
    }

    int32_t Sin(int32_t t) const
    {
        const int32_t u = t % 25736;
        if (u < 6434)
            return T[(u * 2048) / 12868];
        if (u < 12868)
            return T[((12868 - u) * 2048) / 12868];
        if (u < 19302)
            return -T[((u - 12868) * 2048) / 12868];
        return -T[((25736 - u) * 2048) / 12868];
    }
    int32_t Cos(int32_t t) const { return Sin(t + 6434); }

    // The source of output position (x, y), both in 1/16 pixel.
    std::pair<int32_t, int32_t> Source(int32_t x, int32_t y) const
    {
        const std::pair<int32_t, int32_t> unchanged{x, y};
        const int32_t dx = x - cx, dy = y - cy;
        const int32_t fy = RefMulDiv(dy, RX, RY);
        const int32_t r = int32_t(std::sqrt(double(dx) * dx + double(fy) * fy));
        auto radial = [&](int32_t ux, int32_t uy) {
            if (0 <= cx + ux && cx + ux < 16 * w && 0 <= cx + uy && cx + uy < 16 * w)
                return std::make_pair(cx + ux, cy + RefMulDiv(uy, RY, RX));
            return unchanged;
        };
        switch (type * 10 + mode) {
        case 0: { // Pinch, along x
            const int32_t sx = cx + RefMulDiv(dx, M - std::abs(dx), DX);
            return 0 <= sx && sx < 16 * w ? std::make_pair(sx, y) : unchanged;
        }
        case 1: {
            const int32_t sy = cy + RefMulDiv(dy, M - std::abs(dy), DY);
            return 0 <= sy && sy < 16 * h ? std::make_pair(x, sy) : unchanged;
        }
        case 2:
            if (r > RX)
                return unchanged;
            return radial(RefMulDiv(dx, M - r, DX), RefMulDiv(fy, M - r, DX));
        case 10: return {cx + RefMulDiv(dx, std::abs(dx) + M / 2, PX), y};
        case 11: return {x, cy + RefMulDiv(dy, std::abs(dy) + M / 2, PY)};
        case 12:
            if (r > RX)
                return unchanged;
            return radial(RefMulDiv(dx, r + M / 2, PX), RefMulDiv(fy, r + M / 2, PX));
        case 20: {
            const int32_t a = ((y >> 4) * 25736 / (h - 1)) * N;
            const int32_t sy = y + Sin(a) * AY / 4096;
            return sy >= 0 && (sy >> 4) < h ? std::make_pair(x, sy) : unchanged;
        }
        case 21: {
            const int32_t a = ((x >> 4) * 25736 / (w - 1)) * N;
            const int32_t sx = x + Sin(a) * AX / 4096;
            return sx >= 0 && (sx >> 4) < w ? std::make_pair(sx, y) : unchanged;
        }
        case 22: {
            if (r == 0 || r > RX)
                return unchanged;
            const int32_t a = ((r >> 4) * 25736 / (w - 1)) * N;
            const int32_t s = Sin(a) * AR / 4096;
            const int32_t ux = RefMulDiv(s, dx, r), uy = RefMulDiv(s, fy, r);
            const int32_t sx = x + ux;
            if (0 <= sx && sx < 16 * w && 0 <= cx + fy + uy && cx + fy + uy < 16 * w)
                return {sx, cy + RefMulDiv(fy + uy, RY, RX)};
            return unchanged;
        }
        case 30:
        case 31: {
            if (r == 0 || r > RX)
                return unchanged;
            const int32_t a = RefMulDiv(r - RX, r - RX, K);
            const int32_t s = Sin(a), c = Cos(a);
            if (mode == 0)
                return radial(fy * s / 4096 + c * dx / 4096, fy * c / 4096 - s * dx / 4096);
            return radial(dx * c / 4096 - fy * s / 4096, fy * c / 4096 + dx * s / 4096);
        }
        default: return unchanged;
        }
    }

    int32_t w, h, type, mode, S, N;
    int32_t cx, cy, RX, RY, E, M, DX, DY, PX, PY, AX, AY, AR, K;
    int32_t T[1025];
};
