#include "render/RectIndex.h"

#include <utility>

namespace {
// Boxes are bounding boxes of non-empty rectangles, so meeting is plain
// interval overlap on both axes.
bool Overlaps(const QnRect& a, const QnRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
} // namespace

QnRectIndex::QnRectIndex(std::span<const QnRect> rects) : rects_(rects)
{
    if (rects.empty())
        return;
    std::vector<QnRect> leaves((rects.size() + kLeafSize - 1) / kLeafSize);
    for (size_t i = 0; i < rects.size(); ++i)
        leaves[i / kLeafSize] = QnExtendBox(leaves[i / kLeafSize], rects[i]);
    levels_.push_back(std::move(leaves));
    while (levels_.back().size() > 1) {
        const std::vector<QnRect>& below = levels_.back();
        std::vector<QnRect> above((below.size() + 1) / 2);
        for (size_t i = 0; i < below.size(); ++i)
            above[i / 2] = QnExtendBox(above[i / 2], below[i]);
        levels_.push_back(std::move(above));
    }
}

void QnRectIndex::FindMeeting(const QnRect& q, std::vector<uint32_t>& out) const
{
    if (levels_.empty() || q.IsEmpty())
        return;
    struct Node {
        uint32_t level;
        uint32_t index;
    };
    // Depth-first, left child first, so that the indices come out in order.
    Node stack[64];
    int depth = 0;
    stack[depth++] = Node{uint32_t(levels_.size() - 1), 0};
    while (depth > 0) {
        const Node node = stack[--depth];
        if (!Overlaps(levels_[node.level][node.index], q))
            continue;
        if (node.level == 0) {
            const size_t first = size_t(node.index) * kLeafSize;
            const size_t last = std::min(rects_.size(), first + kLeafSize);
            for (size_t i = first; i < last; ++i) {
                if (QnRectsMeet(rects_[i], q))
                    out.push_back(uint32_t(i));
            }
            continue;
        }
        const std::vector<QnRect>& below = levels_[node.level - 1];
        const uint32_t leftChild = node.index * 2;
        if (leftChild + 1 < below.size())
            stack[depth++] = Node{node.level - 1, leftChild + 1};
        stack[depth++] = Node{node.level - 1, leftChild};
    }
}
