#include "filters/rubber/WarpMeshModel.h"

#include "filters/rubber/WarpCurve.h"
#include "filters/rubber/WarpEngine.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

void WarpMeshModel::SetTileSize(int32_t width, int32_t height)
{
    tileWidth_ = std::max(1, width);
    tileHeight_ = std::max(1, height);
}

void WarpMeshModel::LoadOffsets(const WarpParams& params)
{
    for (int32_t n = 0; n < WarpParams::kWrittenPairs; ++n)
        offsets_[size_t(n)] = Point{WarpEngine::OffsetOf(params.offsets[2 * n]) * tileWidth_ / 1000,
                                    WarpEngine::OffsetOf(params.offsets[2 * n + 1]) * tileHeight_ / 1000};
}

WarpMeshModel::Point WarpMeshModel::Rest(int32_t i, int32_t j) const
{
    return Point{int32_t(noted_.left + (i + 1) * noted_.Width() / 6),
                 int32_t(noted_.top + (j + 1) * noted_.Height() / 6)};
}

WarpMeshModel::Point WarpMeshModel::Shown(int32_t i, int32_t j) const
{
    const Point rest = Rest(i, j);
    const Point offset = offsets_[size_t(i + 5 * j)];
    return Point{rest.x + offset.x, rest.y + offset.y};
}

bool WarpMeshModel::Press(int32_t x, int32_t y)
{
    if (dragging_)
        return false;
    for (int32_t j = 0; j < WarpParams::kHandles; ++j)
        for (int32_t i = 0; i < WarpParams::kHandles; ++i) {
            const Point p = Shown(i, j);
            if (std::abs(x - p.x) <= 4 && std::abs(y - p.y) <= 4) {
                dragging_ = true;
                handle_ = i + 5 * j;
                offsetAtPress_ = offsets_[size_t(handle_)];
                mouseAtPress_ = Point{x, y};
                return true;
            }
        }
    return false;
}

bool WarpMeshModel::Move(int32_t x, int32_t y)
{
    if (!dragging_)
        return false;
    const Point moved{offsetAtPress_.x + x - mouseAtPress_.x, offsetAtPress_.y + y - mouseAtPress_.y};
    // Within 3/20 of the preview from the rest place.
    if (20 * std::abs(moved.x) < 3 * tileWidth_ && 20 * std::abs(moved.y) < 3 * tileHeight_)
        offsets_[size_t(handle_)] = moved;
    return true;
}

bool WarpMeshModel::Release(WarpParams& params)
{
    if (!dragging_)
        return false;
    dragging_ = false;
    for (int32_t n = 0; n < WarpParams::kWrittenPairs; ++n) {
        params.offsets[2 * n] = offsets_[size_t(n)].x * 1000 / tileWidth_;
        params.offsets[2 * n + 1] = offsets_[size_t(n)].y * 1000 / tileHeight_;
    }
    return true;
}

std::vector<std::pair<WarpMeshModel::Point, WarpMeshModel::Point>> WarpMeshModel::Pieces() const
{
    std::vector<std::pair<Point, Point>> pieces;
    const int32_t left = noted_.left, top = noted_.top, right = noted_.right, bottom = noted_.bottom;
    auto add = [&](Point a, Point b) {
        const bool outside = (a.x < left && b.x < left) || (a.x >= right && b.x >= right) ||
                             (a.y < top && b.y < top) || (a.y >= bottom && b.y >= bottom);
        if (!outside)
            pieces.emplace_back(a, b);
    };
    for (int32_t line = 0; line < WarpParams::kHandles; ++line)
        for (const bool rows : {true, false}) {
            // Edge, five handles, edge; the edges rest.
            std::vector<CurvePoint> points;
            const Point first = rows ? Point{left, Rest(0, line).y} : Point{Rest(line, 0).x, top};
            const Point last = rows ? Point{right, Rest(0, line).y} : Point{Rest(line, 0).x, bottom};
            auto push = [&](Point p) {
                points.push_back(rows ? CurvePoint{double(p.x), double(p.y)} : CurvePoint{double(p.y), double(p.x)});
            };
            push(first);
            for (int32_t n = 0; n < WarpParams::kHandles; ++n)
                push(rows ? Shown(n, line) : Shown(line, n));
            push(last);
            for (size_t s = 0; s + 1 < points.size(); ++s) {
                Point from{};
                for (int32_t piece = 0; piece <= 10; ++piece) {
                    const double along = points[s].along + (points[s + 1].along - points[s].along) * piece / 10;
                    const int32_t value = int32_t(std::lround(SegmentAt(points, s, along)));
                    const Point p = rows ? Point{int32_t(std::lround(along)), value}
                                         : Point{value, int32_t(std::lround(along))};
                    if (piece > 0)
                        add(from, p);
                    from = p;
                }
            }
        }
    return pieces;
}
