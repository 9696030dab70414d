#include "filters/rubber/RubberEngine.h"

#include "platform/MulDiv.h"

#include <algorithm>
#include <cstdlib>
#include <new>

using platform::MulDiv;
using platform::MulDivWide;

namespace {

// The dialog never stores more than these; a block edited by hand must not
// push the target so far out that the tables overflow.
constexpr int32_t kMaxDrag = 1000;
constexpr int32_t kMaxGrab = 1000;

} // namespace

RubberEngine::RubberEngine(FilterRecord* record, const RubberParams* params)
    : DisplacementEngine(record), params_(params)
{
}

int32_t RubberEngine::AxisWeight(int32_t i, int32_t size, int32_t target)
{
    const int64_t edge = i > target ? int64_t{i} - size : int64_t{i};
    const int64_t near = edge * edge;
    const int64_t off = int64_t{target} - i;
    const int64_t denominator = off * off + near;
    if (denominator == 0)
        return 4096; // the target on an edge
    return static_cast<int32_t>(MulDivWide(4096, near, denominator));
}

bool RubberEngine::Begin()
{
    const int32_t w = std::max(0, workWidth_);
    const int32_t h = std::max(0, workHeight_);
    const int32_t dragX = std::clamp(params_->dragX, -kMaxDrag, kMaxDrag);
    const int32_t dragY = std::clamp(params_->dragY, -kMaxDrag, kMaxDrag);
    const int32_t grabX = std::clamp(params_->grabX, 0, kMaxGrab);
    const int32_t grabY = std::clamp(params_->grabY, 0, kMaxGrab);
    dx_ = MulDiv(w, dragX, 1000);
    dy_ = MulDiv(h, dragY, 1000);
    const int32_t gx = std::min(std::max(1, w * grabX / 1000), w - 1);
    const int32_t gy = std::min(std::max(1, h * grabY / 1000), h - 1);
    targetX_ = gx + dx_;
    targetY_ = gy + dy_;
    try {
        wx_.assign(size_t(w) + 16, 0);
        wy_.assign(size_t(h) + 16, 0);
    } catch (const std::bad_alloc&) {
        End();
        return false;
    }
    for (int32_t i = 1; i < w; ++i)
        wx_[size_t(i)] = AxisWeight(i, w, targetX_);
    // The vertical table reaches the bottom edge itself.
    for (int32_t i = 1; i <= h; ++i)
        wy_[size_t(i)] = AxisWeight(i, h, targetY_);
    return DisplacementEngine::Begin();
}

void RubberEngine::End()
{
    wx_ = {};
    wy_ = {};
    DisplacementEngine::End();
}

void RubberEngine::Displace(int32_t x16, int32_t y16, int32_t* srcX16, int32_t* srcY16)
{
    *srcX16 = x16;
    *srcY16 = y16;
    if (x16 < 0 || y16 < 0 || x16 >= 16 * workWidth_ || y16 >= 16 * workHeight_ || wx_.empty())
        return;
    const int32_t wx = wx_[size_t(x16 >> 4)];
    const int32_t wy = wy_[size_t(y16 >> 4)];
    *srcX16 = x16 + MulDiv(MulDiv(-16 * dx_, wx, 4096), wy, 4096);
    *srcY16 = y16 + MulDiv(MulDiv(-16 * dy_, wy, 4096), wx, 4096);
}

bool RubberEngine::SourceRows(int32_t first, int32_t last, int32_t* top, int32_t* bottom) const
{
    int32_t weight = 0;
    for (int32_t y = std::max(first, 0); y <= last && size_t(y) < wy_.size(); ++y)
        weight = std::max(weight, wy_[size_t(y)]);
    // Both roundings of the product may add half a sixteenth.
    return RowsWithin(first, last, ReachRows(16.0 * std::abs(dy_) * weight / 4096 + 1, workHeight_), top, bottom);
}
