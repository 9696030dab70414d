// The effects worked out again, plainly, from their definitions: the C
// library's generator with the system's constants, the velocity walk with
// bouncing, the phase, the whirl's turning and the zoom's doubling. Tests
// compare the savers' frames with these.
#pragma once

#include <cmath>
#include <cstdint>
#include <utility>

struct ReferenceSaver {
    int32_t pw, ph, e;
    int32_t x = 0, y = 0, vx = 3, vy = 3, phase = 16, phaseStep = 1;
    uint32_t seed = 1;

    int32_t Rand()
    {
        seed = seed * 214013u + 2531011u;
        return int32_t((seed >> 16) & 0x7FFF);
    }
    void Tick()
    {
        vx += Rand() % 3 - 1;
        vx = vx < -20 ? -20 : vx > 20 ? 20 : vx;
        vy += Rand() % 3 - 1;
        vy = vy < -20 ? -20 : vy > 20 ? 20 : vy;
        if (phase == 32)
            phaseStep = -1;
        if (phase == 0)
            phaseStep = 1;
        phase += phaseStep;
        x += vx;
        if (x < 0 || x + e > pw) {
            x = x < 0 ? 0 : pw - e;
            vx = -vx;
        }
        y += vy;
        if (y < 0 || y + e > ph) {
            y = y < 0 ? 0 : ph - e;
            vy = -vy;
        }
    }
    bool InCircle(int32_t i, int32_t j) const
    {
        return (i - e / 2) * (i - e / 2) + (j - e / 2) * (j - e / 2) <= e * e / 4;
    }
    // Picture pixel shown at square pixel (i, j) (row i from the top).
    std::pair<int32_t, int32_t> WhirlSource(int32_t i, int32_t j, int32_t strength) const
    {
        if (!InCircle(i, j))
            return {x + j, y + i};
        const int32_t C = e * e / 4, c = e / 2, dx = j - c, dy = i - c, d = dx * dx + dy * dy;
        const double a = d < C ? strength * double(C - d) * double(C - d) / (10.0 * C * C) : 0.0;
        const int32_t tx = int32_t(std::trunc(dx * std::cos(a) + dy * std::sin(a) - dx));
        const int32_t ty = int32_t(std::trunc(dy * std::cos(a) - dx * std::sin(a) - dy));
        return {x + j + phase * tx / 32, y + i + phase * ty / 32};
    }
    std::pair<int32_t, int32_t> ZoomSource(int32_t i, int32_t j) const
    {
        if (!InCircle(i, j))
            return {x + j, y + i};
        const int32_t ox = pw == e ? 0 : x * e / (2 * (pw - e));
        const int32_t oy = ph == e ? 0 : y * e / (2 * (ph - e));
        return {x + ox + j / 2, y + oy + i / 2};
    }
};
