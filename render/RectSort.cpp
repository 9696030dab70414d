#include "render/RectSort.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

// Below this a comparison sort wins over the counting passes.
constexpr size_t kRadixFrom = 256;
constexpr int kDigitBits = 11;
constexpr uint32_t kDigits = 1u << kDigitBits;

} // namespace

void QnSortRects(std::span<QnRect> rects)
{
    if (rects.size() < kRadixFrom) {
        std::stable_sort(rects.begin(), rects.end(), QnRectBefore);
        return;
    }
    // The key is (top - smallest top, left - smallest left) packed into as
    // few bits as the spread of the list needs, so that a typical list takes
    // two or three passes.
    int32_t minTop = rects[0].top, maxTop = minTop, minLeft = rects[0].left, maxLeft = minLeft;
    for (const QnRect& r : rects) {
        minTop = std::min(minTop, r.top);
        maxTop = std::max(maxTop, r.top);
        minLeft = std::min(minLeft, r.left);
        maxLeft = std::max(maxLeft, r.left);
    }
    const int leftBits = std::bit_width(uint32_t(maxLeft) - uint32_t(minLeft));
    const int keyBits = leftBits + std::bit_width(uint32_t(maxTop) - uint32_t(minTop));
    const auto key = [&](const QnRect& r) {
        return (uint64_t(uint32_t(r.top) - uint32_t(minTop)) << leftBits) | (uint32_t(r.left) - uint32_t(minLeft));
    };

    std::vector<QnRect> buffer(rects.size());
    std::span<QnRect> from = rects, to = buffer;
    std::vector<uint32_t> counts(kDigits);
    for (int shift = 0; shift < keyBits; shift += kDigitBits) {
        std::fill(counts.begin(), counts.end(), 0);
        for (const QnRect& r : from)
            ++counts[(key(r) >> shift) & (kDigits - 1)];
        uint32_t start = 0;
        for (uint32_t& count : counts)
            start += std::exchange(count, start);
        for (const QnRect& r : from)
            to[counts[(key(r) >> shift) & (kDigits - 1)]++] = r;
        std::swap(from, to);
    }
    if (from.data() != rects.data())
        std::copy(from.begin(), from.end(), rects.begin());
}
