#include "filters/rubber/PerspectiveEngine.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

PerspectiveEngine::PerspectiveEngine(FilterRecord* record, const SevenLongParams* params)
    : DisplacementEngine(record), params_(params)
{
}

int32_t PerspectiveEngine::Tilt(int32_t stored) { return std::clamp(stored, 1, 199); }

bool PerspectiveEngine::Begin()
{
    h_ = Tilt(params_->strength) - 100;
    v_ = Tilt(params_->size) - 100;
    return DisplacementEngine::Begin();
}

int32_t PerspectiveEngine::SourceOf(int32_t p, int32_t size, int32_t tilt, int32_t q, int32_t otherSize)
{
    // The denominator is whole; a tilt of 99 at either end of the other
    // axis still leaves 16 times its size.
    const int64_t full = int64_t{1600} * otherSize;
    const int64_t d = tilt >= 0 ? full - int64_t{tilt} * q : full + (int64_t{16} * otherSize - q) * tilt;
    const double side = 16.0 * size;
    if (d <= 0)
        return int32_t(std::min<double>(side + 1, INT32_MAX)); // past the far edge: outside
    const double numerator = (2.0 * p - side) * (16.0 * otherSize) * -50.0;
    const double s = 0.5 * side - numerator / double(d);
    if (s > side)
        return int32_t(std::min<double>(side + 1, INT32_MAX));
    const float rounded = float(s);
    if (rounded < 0)
        return -1;
    return int32_t(std::trunc(double(rounded) + 0.5));
}

void PerspectiveEngine::Displace(int32_t x16, int32_t y16, int32_t* srcX16, int32_t* srcY16)
{
    // Rows narrow with the first tilt down the picture, columns with the
    // second across it.
    *srcX16 = SourceOf(x16, workWidth_, h_, y16, workHeight_);
    *srcY16 = SourceOf(y16, workHeight_, v_, x16, workWidth_);
}

bool PerspectiveEngine::SourceRows(int32_t first, int32_t last, int32_t* top, int32_t* bottom) const
{
    // A row's sources lie q times its distance from the middle row, q from
    // 1 (no tilt at that column) to 100 / (100 - |tilt|); single precision
    // and the rounding add a little.
    const double most = 100.0 / (100 - std::abs(v_));
    const double slack = 2 + 16.0 * std::max(0, workHeight_) * most * 1e-6;
    return RowsScaled(first, last, 8.0 * workHeight_, 1.0, most, slack, top, bottom);
}
