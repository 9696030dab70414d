// References for region tests: a pixel mask of a small area, the invariants
// every region keeps, and the plain pairwise form of the operations, which
// fixes the exact pieces that the swept operations must reproduce.
#pragma once

#include "render/Rgn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <ostream>
#include <vector>

// Readable rectangles in failure messages.
inline void PrintTo(const QnRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace rgntest {

// Pixels of the area [kMin, kMax) on both axes; test rectangles stay inside.
constexpr int kMin = -8;
constexpr int kMax = 40;
constexpr int kSide = kMax - kMin;
using Mask = std::bitset<kSide * kSide>;

inline size_t Bit(int x, int y) { return size_t(y - kMin) * kSide + size_t(x - kMin); }

inline Mask MaskOf(const QnRect& r)
{
    Mask m;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            m.set(Bit(x, y));
    return m;
}

inline Mask MaskOf(const QnRgn& rgn)
{
    Mask m;
    for (const QnRect& r : rgn.rects())
        m |= MaskOf(r);
    return m;
}

inline QnRect BoundingBox(const std::vector<QnRect>& rects)
{
    QnRect box;
    for (const QnRect& r : rects)
        box = QnExtendBox(box, r);
    return box;
}

// Non-empty, inside the test area, pairwise disjoint, strictly sorted by
// (top, left).
inline void ExpectValid(const QnRgn& rgn)
{
    Mask seen;
    const auto rects = rgn.rects();
    for (size_t i = 0; i < rects.size(); ++i) {
        const QnRect& r = rects[i];
        ASSERT_FALSE(r.IsEmpty()) << "rectangle " << i;
        ASSERT_TRUE(r.left >= kMin && r.top >= kMin && r.right <= kMax && r.bottom <= kMax);
        const Mask m = MaskOf(r);
        ASSERT_TRUE((seen & m).none()) << "rectangle " << i << " overlaps an earlier one";
        seen |= m;
        if (i > 0) {
            ASSERT_TRUE(QnRectBefore(rects[i - 1], r)) << "rectangle " << i << " out of order";
        }
    }
}

inline QnRgn RgnOf(const std::vector<QnRect>& rects)
{
    QnRgn rgn;
    for (const QnRect& r : rects)
        rgn += QnRgn(r);
    return rgn;
}

inline std::vector<QnRect> ListOf(const QnRgn& rgn) { return {rgn.rects().begin(), rgn.rects().end()}; }

// The operations as Rgn.h describes them, pair by pair.
namespace naive {

inline void Cut(std::vector<QnRect>& list, size_t i, const QnRect& r)
{
    const QnRect s = list[i];
    const int t = std::min(s.bottom, std::max(s.top, r.top));
    const int b = std::min(s.bottom, std::max(s.top, r.bottom));
    const int l = std::min(s.right, std::max(s.left, r.left));
    const int rt = std::min(s.right, std::max(s.left, r.right));
    for (const QnRect& piece : {QnRect{s.left, s.top, s.right, t}, QnRect{s.left, t, l, b},
                                QnRect{rt, t, s.right, b}, QnRect{s.left, b, s.right, s.bottom}})
        if (!piece.IsEmpty())
            list.push_back(piece);
    list[i] = QnRect{};
}

// One rectangle cut out of a working list, scanning from its last entry.
inline void CutAll(std::vector<QnRect>& list, const QnRect& r)
{
    for (size_t i = list.size(); i-- > 0;) {
        if (list[i] == r) {
            list[i] = QnRect{};
            break;
        }
        if (QnRectsMeet(list[i], r))
            Cut(list, i, r);
    }
}

inline std::vector<QnRect> Sorted(std::vector<QnRect> list)
{
    list.erase(std::remove_if(list.begin(), list.end(), [](const QnRect& r) { return r.IsEmpty(); }),
               list.end());
    std::sort(list.begin(), list.end(), QnRectBefore);
    return list;
}

inline std::vector<QnRect> Difference(std::vector<QnRect> a, const std::vector<QnRect>& b)
{
    if (a.empty() || b.empty())
        return a;
    for (const QnRect& r : b)
        CutAll(a, r);
    return Sorted(a);
}

inline std::vector<QnRect> Intersection(const std::vector<QnRect>& a, const std::vector<QnRect>& b)
{
    std::vector<QnRect> out;
    for (const QnRect& ra : a)
        for (const QnRect& rb : b)
            if (QnRectsMeet(ra, rb))
                out.push_back(QnIntersectRect(ra, rb));
    return Sorted(out);
}

inline std::vector<QnRect> Union(const std::vector<QnRect>& a, const std::vector<QnRect>& b)
{
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    std::vector<QnRect> out = Difference(b, a);
    out.insert(out.end(), a.begin(), a.end());
    return Sorted(out);
}

inline std::vector<QnRect> Xor(const std::vector<QnRect>& a, const std::vector<QnRect>& b)
{
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    std::vector<QnRect> out = Difference(a, b);
    const std::vector<QnRect> other = Difference(b, a);
    out.insert(out.end(), other.begin(), other.end());
    return Sorted(out);
}

} // namespace naive

// All four operations of a and b against the masks, the invariants, the box
// rules and the exact pieces of the pairwise forms.
inline void ExpectOperationsMatch(const QnRgn& a, const QnRgn& b)
{
    const Mask ma = MaskOf(a), mb = MaskOf(b);
    const std::vector<QnRect> la = ListOf(a), lb = ListOf(b);
    const bool bothNonEmpty = a && b;
    const QnRect unionBox = bothNonEmpty ? QnExtendBox(a.box(), b.box()) : (a ? a.box() : b.box());

    const QnRgn product = a * b, sum = a + b, difference = a - b, exclusive = a ^ b;
    for (const QnRgn* r : {&product, &sum, &difference, &exclusive})
        ExpectValid(*r);

    EXPECT_EQ(MaskOf(product), ma & mb);
    EXPECT_EQ(ListOf(product), naive::Intersection(la, lb));
    EXPECT_EQ(product.box(), BoundingBox(ListOf(product)));

    EXPECT_EQ(MaskOf(sum), ma | mb);
    EXPECT_EQ(ListOf(sum), naive::Union(la, lb));
    EXPECT_EQ(sum.box(), unionBox);

    EXPECT_EQ(MaskOf(difference), ma & ~mb);
    EXPECT_EQ(ListOf(difference), naive::Difference(la, lb));
    EXPECT_EQ(difference.box(), a && b ? BoundingBox(ListOf(difference)) : a.box());

    EXPECT_EQ(MaskOf(exclusive), ma ^ mb);
    EXPECT_EQ(ListOf(exclusive), naive::Xor(la, lb));
    EXPECT_EQ(exclusive.box(), unionBox);

    EXPECT_EQ(a == b, ma == mb);
    EXPECT_EQ(b == a, ma == mb);

    // The in-place forms give the same regions.
    QnRgn inPlace = a;
    inPlace *= b;
    EXPECT_EQ(ListOf(inPlace), ListOf(product));
    inPlace = a;
    inPlace += b;
    EXPECT_EQ(ListOf(inPlace), ListOf(sum));
    inPlace = a;
    inPlace -= b;
    EXPECT_EQ(ListOf(inPlace), ListOf(difference));
    inPlace = a;
    inPlace ^= b;
    EXPECT_EQ(ListOf(inPlace), ListOf(exclusive));
}

} // namespace rgntest
