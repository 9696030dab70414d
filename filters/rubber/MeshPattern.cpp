#include "filters/rubber/MeshPattern.h"

#include <cstdlib>

namespace {

// The brush's rows; the odd rows are all black.
constexpr uint8_t kRows[8] = {0xCC, 0x00, 0x66, 0x00, 0x33, 0x00, 0x99, 0x00};

} // namespace

void MeshPattern::WalkLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1,
                           const std::function<void(int32_t, int32_t)>& plot)
{
    const int32_t dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    const int32_t sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    if (dx >= dy) {
        int32_t error = 2 * dy - dx;
        for (int32_t x = x0, y = y0, n = 0; n <= dx; ++n, x += sx) {
            plot(x, y);
            if (error > 0) {
                y += sy;
                error -= 2 * dx;
            }
            error += 2 * dy;
        }
    } else {
        int32_t error = 2 * dx - dy;
        for (int32_t y = y0, x = x0, n = 0; n <= dy; ++n, y += sy) {
            plot(x, y);
            if (error > 0) {
                x += sx;
                error -= 2 * dy;
            }
            error += 2 * dx;
        }
    }
}

bool MeshPattern::White(int32_t x, int32_t y, int32_t originX, int32_t originY)
{
    const int32_t row = (y - originY) & 7;
    const int32_t column = (x - originX) & 7;
    return (kRows[row] >> (7 - column)) & 1;
}
