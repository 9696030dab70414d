// The small integer geometry of the render library: points, rectangles and
// ranges of one axis, all in signed 32-bit pixel coordinates.
#pragma once

#include <algorithm>
#include <cstdint>

struct QnPoint {
    int32_t x = 0;
    int32_t y = 0;

    bool operator==(const QnPoint&) const = default;
};

// right and bottom are exclusive. Width and height are 64-bit because the
// difference of two 32-bit coordinates need not fit in 32 bits.
struct QnRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool IsEmpty() const { return right <= left || bottom <= top; }
    int64_t Width() const { return int64_t(right) - left; }
    int64_t Height() const { return int64_t(bottom) - top; }
    bool Contains(const QnPoint& p) const { return left <= p.x && p.x < right && top <= p.y && p.y < bottom; }

    bool operator==(const QnRect&) const = default;
};

// One axis: start and end (end exclusive where the range is a span of pixels).
struct QnRange {
    int32_t start = 0;
    int32_t end = 0;

    bool operator==(const QnRange&) const = default;
};

// True when both rectangles are non-empty and share at least one pixel.
inline bool QnRectsMeet(const QnRect& a, const QnRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom
        && !a.IsEmpty() && !b.IsEmpty();
}

// The common part of two rectangles; the all-zero rectangle when it is empty.
inline QnRect QnIntersectRect(const QnRect& a, const QnRect& b)
{
    if (!QnRectsMeet(a, b))
        return QnRect{};
    return QnRect{std::max(a.left, b.left), std::max(a.top, b.top),
                  std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// The bounding box of box and r, where an empty rectangle adds nothing and an
// empty box is replaced by the first non-empty rectangle.
inline QnRect QnExtendBox(const QnRect& box, const QnRect& r)
{
    if (r.IsEmpty())
        return box;
    if (box.IsEmpty())
        return r;
    return QnRect{std::min(box.left, r.left), std::min(box.top, r.top),
                  std::max(box.right, r.right), std::max(box.bottom, r.bottom)};
}

// The order of a region's rectangle list: by top, then by left. A function
// object, so that sorts and merges inline it.
inline constexpr auto QnRectBefore = [](const QnRect& a, const QnRect& b) {
    return a.top != b.top ? a.top < b.top : a.left < b.left;
};
