#include "blt/RgnMap.h"

#include "render/WideInt.h"

#include <vector>

QnRect QnOffsetRect(const QnRect& r, int32_t dx, int32_t dy)
{
    return QnRect{QnSaturateInt32(QnWide(r.left) + dx), QnSaturateInt32(QnWide(r.top) + dy),
                  QnSaturateInt32(QnWide(r.right) + dx), QnSaturateInt32(QnWide(r.bottom) + dy)};
}

// Halves are joined, so that n rectangles cost about log n region unions
// rather than n growing ones.
QnRgn QnRgnFromRects(std::span<const QnRect> rects)
{
    if (rects.empty())
        return QnRgn();
    if (rects.size() == 1)
        return rects.front().IsEmpty() ? QnRgn() : QnRgn(rects.front());
    const size_t half = rects.size() / 2;
    return QnRgnFromRects(rects.first(half)) + QnRgnFromRects(rects.subspan(half));
}

QnRgn QnOffsetRgn(const QnRgn& rgn, int32_t dx, int32_t dy)
{
    if (dx == 0 && dy == 0)
        return rgn;
    std::vector<QnRect> moved;
    moved.reserve(rgn.count());
    for (const QnRect& r : rgn.rects())
        moved.push_back(QnOffsetRect(r, dx, dy));
    return QnRgnFromRects(moved);
}

QnRgn QnLPtoDPRgn(const DcMapping& mapping, const QnRgn& logical)
{
    std::vector<QnRect> device;
    device.reserve(logical.count());
    for (const QnRect& r : logical.rects())
        device.push_back(mapping.LPtoDP(r));
    return QnRgnFromRects(device);
}
