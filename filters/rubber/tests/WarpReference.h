// Warp recomputed in the tests from its formulas, apart from the engine:
// the 9 x 9 lattice with the handles' offsets, the mesh curves through its
// columns and rows (cubic segments whose end slopes average the slopes on
// either side), and every pixel's source between the deformed curves.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

struct WarpField {
    // offsets: 25 pairs x, y in thousandths, handle (i, j) at pair i + 5 j.
    WarpField(int32_t width, int32_t height, const std::vector<int32_t>& offsets) : w(width), h(height)
    {
        int64_t X[9][9], Y[9][9];
        for (int k = 0; k < 9; ++k)
            for (int l = 0; l < 9; ++l) {
                X[k][l] = (k - 1) * 16 * int64_t{w} / 6;
                Y[k][l] = (l - 1) * 16 * int64_t{h} / 6;
            }
        for (int j = 0; j < 5; ++j)
            for (int i = 0; i < 5; ++i) {
                const int32_t ox = std::clamp(offsets[size_t(2 * (i + 5 * j))], -150, 150);
                const int32_t oy = std::clamp(offsets[size_t(2 * (i + 5 * j) + 1)], -150, 150);
                X[i + 2][j + 2] += 16 * (ox * w / 1000);
                Y[i + 2][j + 2] += 16 * (oy * h / 1000);
            }
        // Column n: x as a function of y; row n: y as a function of x.
        for (int n = 0; n < 5; ++n) {
            std::vector<std::pair<double, double>> column, row;
            for (int m = 0; m < 9; ++m) {
                column.emplace_back(double(Y[n + 2][m]), double(X[n + 2][m]));
                row.emplace_back(double(X[m][n + 2]), double(Y[m][n + 2]));
            }
            columnX[n] = Trace(column, h);
            rowY[n] = Trace(row, w);
        }
        for (int32_t y = 0; y < h; ++y) {
            int64_t across[7] = {0, 0, 0, 0, 0, 0, 16 * int64_t{w}}, down[7] = {0, 0, 0, 0, 0, 0, 16 * int64_t{h}};
            int64_t acrossRest[7] = {0, 0, 0, 0, 0, 0, 16 * int64_t{w}}, downRest[7] = {0, 0, 0, 0, 0, 0, 16 * int64_t{h}};
            for (int n = 0; n < 5; ++n) {
                across[n + 1] = columnX[n][size_t(y)];
                acrossRest[n + 1] = (n + 1) * 16 * int64_t{w} / 6;
                downRest[n + 1] = (n + 1) * 16 * int64_t{h} / 6;
            }
            int pa = 0, pd = 0;
            for (int32_t x = 0; x < w; ++x) {
                for (int n = 0; n < 5; ++n)
                    down[n + 1] = rowY[n][size_t(x)];
                source.emplace_back(Place(across, acrossRest, 16 * int64_t{x}, pa),
                                    Place(down, downRest, 16 * int64_t{y}, pd));
            }
        }
    }

    static std::vector<int32_t> Trace(const std::vector<std::pair<double, double>>& p, int32_t count)
    {
        std::vector<int32_t> out;
        size_t s = 0;
        for (int32_t i = 0; i < count; ++i) {
            const double at = 16.0 * i;
            while (s + 2 < p.size() && at >= p[s + 1].first)
                ++s;
            const auto [x1, y1] = p[s];
            const auto [x2, y2] = p[s + 1];
            const double d = x2 - x1;
            if (d == 0) {
                out.push_back(int32_t(y1));
                continue;
            }
            const double sl = (y2 - y1) / d;
            const double s0 = s > 0 && p[s - 1].first != x1 ? (y1 - p[s - 1].second) / (x1 - p[s - 1].first) : sl;
            const double s3 = s + 2 < p.size() && p[s + 2].first != x2 ? (p[s + 2].second - y2) / (p[s + 2].first - x2) : sl;
            const double m1 = (s0 + sl) / 2, m2 = (sl + s3) / 2;
            const double c2 = (3 * sl - m2 - 2 * m1) / d, c3 = ((y2 - y1) - d * d * c2 - m1 * d) / (d * d * d);
            const double t = at - x1;
            out.push_back(int32_t(y1 + m1 * t + c2 * t * t + c3 * t * t * t));
        }
        return out;
    }

    static int32_t Place(const int64_t (&lines)[7], const int64_t (&rest)[7], int64_t at, int& pair)
    {
        while (pair > 0 && at < lines[pair])
            --pair;
        while (pair < 5 && at >= lines[pair + 1])
            ++pair;
        const int64_t span = lines[pair + 1] - lines[pair];
        return span <= 0 ? int32_t(rest[pair])
                         : int32_t(rest[pair] + (at - lines[pair]) * (rest[pair + 1] - rest[pair]) / span);
    }

    std::pair<int32_t, int32_t> Source(int32_t x16, int32_t y16) const
    {
        return source[size_t((y16 >> 4) * w + (x16 >> 4))];
    }

    int32_t w, h;
    std::vector<int32_t> columnX[5], rowY[5];
    std::vector<std::pair<int32_t, int32_t>> source;
};
