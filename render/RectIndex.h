// A search structure over a fixed list of rectangles: finds the rectangles
// that meet a query rectangle without looking at every one. Region
// operations build one over an operand so that combining two regions of
// thousands of rectangles does not test every pair.
#pragma once

#include "render/Rect.h"

#include <cstdint>
#include <span>
#include <vector>

class QnRectIndex {
public:
    // The list must outlive the index and stay unchanged. Any order works;
    // a list sorted by top (as a region's is) gives tight boxes.
    explicit QnRectIndex(std::span<const QnRect> rects);

    // Appends to out the indices of the rectangles that meet q, in increasing
    // order (the order of the list).
    void FindMeeting(const QnRect& q, std::vector<uint32_t>& out) const;

private:
    // A tree of bounding boxes over runs of consecutive rectangles: level 0
    // holds one box per leaf of kLeafSize rectangles, each further level one
    // box per pair of boxes below it, the last level the root.
    static constexpr uint32_t kLeafSize = 8;

    std::span<const QnRect> rects_;
    std::vector<std::vector<QnRect>> levels_;
};
