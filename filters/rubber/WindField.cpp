#include "filters/rubber/WindField.h"

#include "filters/rubber/CubicStep.h"

#include <algorithm>
#include <cstdlib>
#include <new>

bool WindField::Build(int32_t width, int32_t height, const Steps& s, platform::WinRand& rand)
{
    steps_ = s;
    width_ = width;
    height_ = height;
    const int64_t f = std::max(2 * s.d, s.strength);
    const int64_t wm = int64_t{width} + f + 32, hm = int64_t{height} + f + 32;
    const int64_t c = std::abs(s.cos), n = std::abs(s.sin);
    const int64_t p = wm * c / 1024 + hm * n / 1024;
    const int64_t q = wm * n / 1024 + hm * c / 1024;
    rows_ = int32_t(q / s.ry + 4);
    columns_ = int32_t(p / s.rx + 4);
    pu_ = 8 * p;
    qv_ = 8 * q;
    try {
        x_.assign(size_t(rows_) * size_t(columns_), 0);
        y_.assign(size_t(rows_) * size_t(columns_), 0);
    } catch (const std::bad_alloc&) {
        Free();
        return false;
    }
    for (size_t i = 0; i < x_.size(); ++i) {
        x_[i] = -s.d + rand.Next() % (2 * s.d + 1);
        y_[i] = rand.Next() % s.strength;
    }
    return true;
}

void WindField::Free()
{
    x_ = {};
    y_ = {};
}

void WindField::Source(int32_t x, int32_t y, int32_t* sx, int32_t* sy) const
{
    const Steps& s = steps_;
    const int64_t dx = x - 8 * int64_t{width_}, dy = y - 8 * int64_t{height_};
    const int64_t u = pu_ + (s.cos * dx + s.sin * dy) / 1024;
    const int64_t v = qv_ + (s.cos * dy - s.sin * dx) / 1024;
    const int64_t g = columns_ * (v / s.ry / 16) + u / s.rx / 16;
    // Positions of the work area always lie inside the turned box.
    if (u < 0 || v < 0 || g < 0 || g + 3 * int64_t{columns_} + 3 >= int64_t(x_.size()))
        return;
    const int32_t t = int32_t((v >> 4) % s.ry * 100 / s.ry);
    int32_t xs[4], ys[4];
    for (int32_t k = 0; k < 4; ++k) {
        const size_t a = size_t(g + k), b = a + size_t(columns_);
        const size_t c = b + size_t(columns_), e = c + size_t(columns_);
        xs[k] = CubicStep(x_[a], x_[b], x_[c], x_[e], t);
        ys[k] = CubicStep(y_[a], y_[b], y_[c], y_[e], t);
    }
    const int32_t step = int32_t((u >> 4) % s.rx * 100 / s.rx);
    const int64_t along = int64_t{CubicStep(xs[0], xs[1], xs[2], xs[3], step)} * s.rx / 8;
    const int64_t across = int64_t{CubicStep(ys[0], ys[1], ys[2], ys[3], step)} * s.ry / 8;
    *sx = int32_t(x - (along * s.cos - across * s.sin) / 1024);
    *sy = int32_t(y - (along * s.sin + across * s.cos) / 1024);
}
