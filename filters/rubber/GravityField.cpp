#include "filters/rubber/GravityField.h"

#include "filters/rubber/CubicStep.h"

#include <algorithm>
#include <new>

bool GravityField::Allocate(int32_t widest, const Steps& steps)
{
    steps_ = steps;
    // Cells reach node column widest / rx + 3; offsets the cell's end.
    const size_t nodes = size_t(widest / steps.rx) + 8;
    const size_t offsets = (size_t(widest / steps.rx) + 2) * size_t(steps.rx);
    try {
        for (int i = 0; i < 4; ++i) {
            xNodes_[size_t(i)].assign(nodes, 0);
            yNodes_[size_t(i)].assign(nodes, 0);
        }
        xRow_.assign(offsets, 0);
        yRow_.assign(offsets, 0);
    } catch (const std::bad_alloc&) {
        Free();
        return false;
    }
    return true;
}

void GravityField::Free()
{
    for (int i = 0; i < 4; ++i) {
        xNodes_[size_t(i)] = {};
        yNodes_[size_t(i)] = {};
    }
    xRow_ = {};
    yRow_ = {};
}

void GravityField::Row(int32_t a, int32_t width, platform::WinRand& rand)
{
    const Steps& s = steps_;
    const int32_t cells = width / s.rx;
    const int32_t k = a % s.ry;
    if (k == 0) {
        std::rotate(xNodes_.begin(), xNodes_.begin() + 1, xNodes_.end());
        std::rotate(yNodes_.begin(), yNodes_.begin() + 1, yNodes_.end());
        for (int32_t i = 0; i <= cells; ++i)
            xNodes_[3][size_t(i)] = -s.d + rand.Next() % (2 * s.d + 1);
        for (int32_t i = 0; i <= cells; ++i)
            yNodes_[3][size_t(i)] = rand.Next() % (s.strength + 1);
    }
    const int32_t t = k * 100 / s.ry;
    for (int32_t i = 0; i <= cells; ++i) {
        int32_t xs[4], ys[4];
        for (int32_t n = 0; n < 4; ++n) {
            const size_t c = size_t(i + n);
            xs[n] = CubicStep(xNodes_[0][c], xNodes_[1][c], xNodes_[2][c], xNodes_[3][c], t);
            ys[n] = CubicStep(yNodes_[0][c], yNodes_[1][c], yNodes_[2][c], yNodes_[3][c], t);
        }
        for (int32_t j = 0; j < s.rx; ++j) {
            const int32_t step = 100 * j / s.rx;
            xRow_[size_t(i * s.rx + j)] = CubicStep(xs[0], xs[1], xs[2], xs[3], step);
            yRow_[size_t(i * s.rx + j)] = CubicStep(ys[0], ys[1], ys[2], ys[3], step);
        }
    }
}
