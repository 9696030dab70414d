#include "blt/RgnMap.h"

#include "render/WideInt.h"

#include <vector>

QnRect QnOffsetRect(const QnRect& r, int32_t dx, int32_t dy)
{
    return QnRect{QnSaturateInt32(QnWide(r.left) + dx), QnSaturateInt32(QnWide(r.top) + dy),
                  QnSaturateInt32(QnWide(r.right) + dx), QnSaturateInt32(QnWide(r.bottom) + dy)};
}

// Both maps keep the order of coordinates on each axis (or reverse it), so
// two rectangles that one ends before the other begins on some axis still do
// after the map: a region's rectangles, mapped, are disjoint as they are and
// need no union.
QnRgn QnOffsetRgn(const QnRgn& rgn, int32_t dx, int32_t dy)
{
    if (dx == 0 && dy == 0)
        return rgn;
    std::vector<QnRect> moved;
    moved.reserve(rgn.count());
    for (const QnRect& r : rgn.rects())
        moved.push_back(QnOffsetRect(r, dx, dy));
    return QnRgn::FromDisjointRects(std::move(moved));
}

QnRgn QnLPtoDPRgn(const DcMapping& mapping, const QnRgn& logical)
{
    if (mapping == DcMapping())
        return logical;
    std::vector<QnRect> device;
    device.reserve(logical.count());
    for (const QnRect& r : logical.rects())
        device.push_back(mapping.LPtoDP(r));
    return QnRgn::FromDisjointRects(std::move(device));
}
