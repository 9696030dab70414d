#include "filters/rubber/WarpEngine.h"

#include "filters/rubber/WarpCurve.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace {

// The curve through one lattice column (or row) at every pixel row (or
// column) 0..count - 1, the segments taken on as the position passes their
// ends.
void Trace(const std::vector<CurvePoint>& points, int32_t count, std::vector<int32_t>& out)
{
    size_t segment = 0;
    for (int32_t p = 0; p < count; ++p) {
        const double at = 16.0 * p;
        while (segment + 2 < points.size() && at >= points[segment + 1].along)
            ++segment;
        out[size_t(p)] = int32_t(SegmentAt(points, segment, at));
    }
}

// The place of position between a pair of deformed lines (edges
// included), found from the pair last found: lines holds the deformed
// positions, rest their undeformed ones.
int32_t Between(const int64_t (&lines)[7], const int64_t (&rest)[7], int64_t position, int32_t& pair)
{
    while (pair > 0 && position < lines[pair])
        --pair;
    while (pair < 5 && position >= lines[pair + 1])
        ++pair;
    const int64_t span = lines[pair + 1] - lines[pair];
    if (span <= 0)
        return int32_t(rest[pair]);
    return int32_t(rest[pair] + (position - lines[pair]) * (rest[pair + 1] - rest[pair]) / span);
}

} // namespace

WarpEngine::WarpEngine(FilterRecord* record, const WarpParams* params) : DisplacementEngine(record), params_(params) {}

int32_t WarpEngine::OffsetOf(int32_t stored)
{
    return std::clamp(stored, -WarpParams::kMostOffset, WarpParams::kMostOffset);
}

bool WarpEngine::Begin()
{
    const int64_t w = std::max(0, workWidth_), h = std::max(0, workHeight_);
    for (int32_t k = 0; k < kLattice; ++k)
        for (int32_t l = 0; l < kLattice; ++l) {
            latticeX_[size_t(k)][size_t(l)] = (k - 1) * 16 * w / 6;
            latticeY_[size_t(k)][size_t(l)] = (l - 1) * 16 * h / 6;
        }
    for (int32_t j = 0; j < WarpParams::kHandles; ++j)
        for (int32_t i = 0; i < WarpParams::kHandles; ++i) {
            const size_t pair = size_t(i + 5 * j);
            latticeX_[size_t(i + 2)][size_t(j + 2)] += 16 * (OffsetOf(params_->offsets[2 * pair]) * w / 1000);
            latticeY_[size_t(i + 2)][size_t(j + 2)] += 16 * (OffsetOf(params_->offsets[2 * pair + 1]) * h / 1000);
        }
    const int64_t cell = std::max<int64_t>(std::max<int64_t>(1, (w + 5) / 6), std::max<int64_t>(1, (h + 5) / 6));
    try {
        for (int32_t n = 0; n < 5; ++n) {
            columnX_[size_t(n)].assign(size_t(h + 2 * cell), 0);
            rowY_[size_t(n)].assign(size_t(w + 2 * cell), 0);
        }
        sourceX_.assign(size_t(w + 2 * cell), 0);
        sourceY_.assign(size_t(w + 2 * cell), 0);
    } catch (const std::bad_alloc&) {
        End();
        return false;
    }
    int64_t deviation = 0;
    for (int32_t n = 0; n < 5; ++n) {
        std::vector<CurvePoint> column, row;
        for (int32_t m = 0; m < kLattice; ++m) {
            column.push_back({double(latticeY_[size_t(n + 2)][size_t(m)]), double(latticeX_[size_t(n + 2)][size_t(m)])});
            row.push_back({double(latticeX_[size_t(m)][size_t(n + 2)]), double(latticeY_[size_t(m)][size_t(n + 2)])});
        }
        Trace(column, int32_t(h), columnX_[size_t(n)]);
        Trace(row, int32_t(w), rowY_[size_t(n)]);
        // Sources move up or down by no more than the rows' curves leave
        // their rest.
        const int64_t rest = (n + 1) * 16 * h / 6;
        for (int32_t x = 0; x < w; ++x)
            deviation = std::max<int64_t>(deviation, std::abs(rowY_[size_t(n)][size_t(x)] - rest));
    }
    reach_ = ReachRows(double(deviation) + 2, int32_t(h));
    return DisplacementEngine::Begin();
}

void WarpEngine::End()
{
    DisplacementEngine::End();
    for (int32_t n = 0; n < 5; ++n) {
        columnX_[size_t(n)] = {};
        rowY_[size_t(n)] = {};
    }
    sourceX_ = {};
    sourceY_ = {};
}

void WarpEngine::BuildRow(int32_t row)
{
    const int64_t w = std::max(0, workWidth_), h = std::max(0, workHeight_);
    if (row < 0 || row >= h || sourceX_.empty())
        return;
    int64_t across[7], acrossRest[7], down[7], downRest[7];
    across[0] = acrossRest[0] = 0;
    across[6] = acrossRest[6] = 16 * w;
    down[0] = downRest[0] = 0;
    down[6] = downRest[6] = 16 * h;
    for (int32_t n = 0; n < 5; ++n) {
        across[n + 1] = columnX_[size_t(n)][size_t(row)];
        acrossRest[n + 1] = (n + 1) * 16 * w / 6;
        downRest[n + 1] = (n + 1) * 16 * h / 6;
    }
    int32_t pairAcross = 0, pairDown = 0;
    const int64_t y16 = 16 * int64_t{row};
    for (int32_t x = 0; x < w; ++x) {
        for (int32_t n = 0; n < 5; ++n)
            down[n + 1] = rowY_[size_t(n)][size_t(x)];
        sourceX_[size_t(x)] = Between(across, acrossRest, 16 * int64_t{x}, pairAcross);
        sourceY_[size_t(x)] = Between(down, downRest, y16, pairDown);
    }
}

bool WarpEngine::HostRow(int32_t row)
{
    BuildRow(row);
    return DisplacementEngine::HostRow(row);
}

void WarpEngine::PreviewRow(int32_t row, PreviewTile& tile)
{
    BuildRow(row);
    DisplacementEngine::PreviewRow(row, tile);
}

void WarpEngine::Displace(int32_t x16, int32_t y16, int32_t* srcX16, int32_t* srcY16)
{
    *srcX16 = x16;
    *srcY16 = y16;
    const size_t c = size_t(x16 >> 4);
    if (x16 < 0 || c >= sourceX_.size())
        return;
    *srcX16 = sourceX_[c];
    *srcY16 = sourceY_[c];
}

bool WarpEngine::SourceRows(int32_t first, int32_t last, int32_t* top, int32_t* bottom) const
{
    return RowsWithin(first, last, reach_, top, bottom);
}
