// Where the sources of Pinch, Punch, Wave and Whirl lie, for the host
// run's bands. The forms that move along x leave rows alone; those that
// move along y depend on the row alone, so each row's source row is
// noted; the radial forms and Whirl move a point by an amount that
// depends on its distance from the centre only: the largest move at each
// distance and beyond is noted, and a band of rows takes the largest move
// of the nearest distance it holds, scaled from x units back to rows,
// with room for the rounding of the whole-number arithmetic.
#include "filters/rubber/AnalyticWarpEngine.h"

#include "platform/MulDiv.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using platform::MulDiv;

void AnalyticWarpEngine::NoteSourceRows(int32_t type, int32_t direction)
{
    sourceRow_.clear();
    movesFrom_.clear();
    const bool pinching = type == kPinch || type == kPunch;
    if (!position_ || (pinching && direction == 0) || (type == kWave && direction == 1)) {
        moves_ = Moves::kColumns;
        return;
    }
    if ((pinching && direction == 1) || (type == kWave && direction == 0)) {
        moves_ = Moves::kRows;
        sourceRow_.resize(size_t(std::max(0, c_.height)));
        for (int32_t y = 0; y < c_.height; ++y) {
            int32_t sx = 0, sy = 16 * y;
            (this->*position_)(0, 16 * y, &sx, &sy);
            // A source outside the picture is never read.
            sourceRow_[size_t(y)] = sy >= 0 && (sy >> 4) < c_.height ? sy >> 4 : y;
        }
        return;
    }
    moves_ = Moves::kRadially;
    if (c_.rx <= 0 || c_.ry <= 0)
        return; // a one-pixel side: nothing moves
    movesFrom_.assign(size_t(c_.rx / 16) + 1, 0.0);
    for (int32_t r = 0; r <= c_.rx; ++r) {
        double& m = movesFrom_[size_t(r / 16)];
        m = std::max(m, RadialMove(type, r));
    }
    for (size_t p = movesFrom_.size() - 1; p-- > 0;)
        movesFrom_[p] = std::max(movesFrom_[p], movesFrom_[p + 1]);
}

double AnalyticWarpEngine::RadialMove(int32_t type, int32_t r) const
{
    switch (type) {
    case kPinch: return std::abs(double(MulDiv(r, c_.m - r, c_.dx)) - r) + 1;
    case kPunch: return std::abs(double(MulDiv(r, r + c_.m / 2, c_.px)) - r) + 1;
    case kWave: {
        const int64_t columns = std::max(1, c_.width - 1);
        const int32_t a = int32_t(int64_t{r >> 4} * SineTable4096::kFullTurn / columns * waves_);
        return std::abs(double(int64_t{sine_.Sin(a)} * c_.ar / 4096)) + 1;
    }
    default: {
        // A turn by the whirl's angle moves a point by |(cos - 1, sin)| r.
        const int32_t a = std::max(0, MulDiv(r - c_.rx, r - c_.rx, c_.k));
        const double c = sine_.Cos(a) / 4096.0 - 1, s = sine_.Sin(a) / 4096.0;
        return r * std::sqrt(c * c + s * s) + 2;
    }
    }
}

bool AnalyticWarpEngine::SourceRows(int32_t first, int32_t last, int32_t* top, int32_t* bottom) const
{
    first = std::max(first, 0);
    last = std::min(last, c_.height - 1);
    if (first > last)
        return RowsWithin(first, last, 0, top, bottom);
    switch (moves_) {
    case Moves::kColumns: return RowsWithin(first, last, 0, top, bottom);
    case Moves::kRows: {
        const auto [low, high] =
            std::minmax_element(sourceRow_.begin() + first, sourceRow_.begin() + last + 1);
        *top = std::min(first, *low);
        *bottom = std::max(last, *high);
        return true;
    }
    case Moves::kRadially: break;
    }
    if (movesFrom_.empty())
        return RowsWithin(first, last, 0, top, bottom);
    // The nearest distance from the centre the band's rows come, in x units.
    const int64_t near = int64_t{16} * last < c_.cy ? c_.cy - int64_t{16} * last
                         : int64_t{16} * first > c_.cy ? int64_t{16} * first - c_.cy
                                                       : 0;
    const int64_t scaled = near * c_.rx / c_.ry;
    const size_t p = size_t(std::min<int64_t>(scaled / 16, int64_t(movesFrom_.size()) - 1));
    const double scale = double(c_.ry) / c_.rx;
    const int32_t reach =
        scaled > c_.rx ? 0 : ReachRows((movesFrom_[p] + 4) * scale + scale + 2, c_.height);
    return RowsWithin(first, last, reach, top, bottom);
}
