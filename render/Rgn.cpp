#include "render/Rgn.h"

#include "render/RectSort.h"
#include "render/RectSweep.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <utility>

namespace {

void AppendIfNotEmpty(std::vector<QnRect>& out, const QnRect& r)
{
    if (!r.IsEmpty())
        out.push_back(r);
}

// Cuts r out of s, which it meets: appends the band above, the piece to the
// left, the piece to the right and the band below, dropping empty pieces.
void CutOut(const QnRect& s, const QnRect& r, std::vector<QnRect>& out)
{
    const int32_t t = std::min(s.bottom, std::max(s.top, r.top));
    const int32_t b = std::min(s.bottom, std::max(s.top, r.bottom));
    const int32_t l = std::min(s.right, std::max(s.left, r.left));
    const int32_t rt = std::min(s.right, std::max(s.left, r.right));
    AppendIfNotEmpty(out, QnRect{s.left, s.top, s.right, t});
    AppendIfNotEmpty(out, QnRect{s.left, t, l, b});
    AppendIfNotEmpty(out, QnRect{rt, t, s.right, b});
    AppendIfNotEmpty(out, QnRect{s.left, b, s.right, s.bottom});
}

// One sorted list from a sorted list and a list in any order.
std::vector<QnRect> MergeSorted(const std::vector<QnRect>& sorted, std::vector<QnRect>& unsorted)
{
    QnSortRects(unsorted);
    std::vector<QnRect> out;
    out.reserve(sorted.size() + unsorted.size());
    std::merge(sorted.begin(), sorted.end(), unsorted.begin(), unsorted.end(), std::back_inserter(out),
               QnRectBefore);
    return out;
}

std::vector<QnRect> MergeSorted(const std::vector<QnRect>& a, const std::vector<QnRect>& b)
{
    std::vector<QnRect> out;
    out.reserve(a.size() + b.size());
    std::merge(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(out), QnRectBefore);
    return out;
}

// Every pixel of inner lies in outer.
bool Covers(const QnRect& outer, const QnRect& inner)
{
    return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
           inner.bottom <= outer.bottom;
}

uint64_t Area(const QnRect& r)
{
    return uint64_t(r.Width()) * uint64_t(r.Height());
}

} // namespace

QnRgn::QnRgn(const QnRect& r) : box_(r)
{
    if (r.IsEmpty())
        return;
    // A worker's region is cut many times; room for the pieces up front.
    list_.reserve(256);
    list_.push_back(r);
}

QnRgn QnRgn::FromDisjointRects(std::vector<QnRect> rects)
{
    rects.erase(std::remove_if(rects.begin(), rects.end(), [](const QnRect& r) { return r.IsEmpty(); }),
                rects.end());
    QnSortRects(rects);
    QnRgn result;
    result.list_ = std::move(rects);
    result.RecomputeBox();
    return result;
}

QnRect QnRgn::first() const
{
    return list_.empty() ? QnRect{} : list_.front();
}

QnRect QnRgn::from_point(const QnPoint& p) const
{
    // Only rectangles that start at or above p.y can hold it.
    const auto end = std::upper_bound(list_.begin(), list_.end(), p.y,
                                      [](int32_t y, const QnRect& r) { return y < r.top; });
    for (auto it = list_.begin(); it != end; ++it) {
        if (it->Contains(p))
            return *it;
    }
    return QnRect{};
}

void QnRgn::Subtract(const QnRgn& other, std::vector<QnRect>& whole, std::vector<QnRect>& pieces) const
{
    if (!QnRectsMeet(box_, other.box_)) {
        whole = list_;
        return;
    }
    // For each rectangle of this list, the rectangles of other meeting it,
    // grouped by a counting sort on the rectangle.
    std::vector<std::pair<uint32_t, uint32_t>> pairs;
    QnRectSweep::ForEachPair(list_, other.list_, [&](uint32_t i, uint32_t j) { pairs.emplace_back(i, j); });
    std::vector<uint32_t> first(list_.size() + 1, 0);
    for (const auto& [i, j] : pairs)
        ++first[i + 1];
    for (size_t i = 0; i < list_.size(); ++i)
        first[i + 1] += first[i];
    std::vector<uint32_t> hits(pairs.size());
    {
        std::vector<uint32_t> next(first.begin(), first.end() - 1);
        for (const auto& [i, j] : pairs)
            hits[next[i]++] = j;
    }

    // Each rectangle is cut by the rectangles of other that meet it, in
    // other's order; the pieces of one cut are cut by the later ones. Only
    // rectangles meeting the original can meet its pieces.
    std::vector<QnRect> work;
    std::vector<QnRect> next;
    for (size_t i = 0; i < list_.size(); ++i) {
        const auto begin = hits.begin() + first[i], end = hits.begin() + first[i + 1];
        if (begin == end) {
            whole.push_back(list_[i]);
            continue;
        }
        std::sort(begin, end);
        work.assign(1, list_[i]);
        for (auto hit = begin; hit != end && !work.empty(); ++hit) {
            const QnRect& cutter = other.list_[*hit];
            next.clear();
            for (const QnRect& s : work) {
                if (QnRectsMeet(s, cutter))
                    CutOut(s, cutter, next);
                else
                    next.push_back(s);
            }
            work.swap(next);
        }
        pieces.insert(pieces.end(), work.begin(), work.end());
    }
}

QnRgn QnRgn::operator-(const QnRgn& other) const
{
    if (list_.empty() || other.list_.empty())
        return *this;
    // A rectangle over all of this region leaves nothing, whatever the
    // number of rectangles (a window's update area less its picture).
    if (other.list_.size() == 1 && Covers(other.list_.front(), box_))
        return QnRgn();
    std::vector<QnRect> whole;
    std::vector<QnRect> pieces;
    Subtract(other, whole, pieces);
    QnRgn result;
    result.list_ = MergeSorted(whole, pieces);
    result.RecomputeBox();
    return result;
}

QnRgn QnRgn::operator+(const QnRgn& other) const
{
    if (list_.empty())
        return other;
    if (other.list_.empty())
        return *this;
    std::vector<QnRect> whole;
    std::vector<QnRect> pieces;
    other.Subtract(*this, whole, pieces);
    QnRgn result;
    result.list_ = MergeSorted(list_, MergeSorted(whole, pieces));
    result.box_ = QnExtendBox(box_, other.box_);
    return result;
}

QnRgn QnRgn::operator^(const QnRgn& other) const
{
    if (list_.empty())
        return other;
    if (other.list_.empty())
        return *this;
    std::vector<QnRect> whole;
    std::vector<QnRect> pieces;
    Subtract(other, whole, pieces);
    const std::vector<QnRect> thisOnly = MergeSorted(whole, pieces);
    whole.clear();
    pieces.clear();
    other.Subtract(*this, whole, pieces);
    QnRgn result;
    result.list_ = MergeSorted(thisOnly, MergeSorted(whole, pieces));
    result.box_ = QnExtendBox(box_, other.box_);
    return result;
}

QnRgn QnRgn::operator*(const QnRgn& other) const
{
    QnRgn result;
    if (!QnRectsMeet(box_, other.box_) || list_.empty() || other.list_.empty())
        return result;
    // A rectangle over all of the other region keeps that region as it is.
    const auto within = [](const QnRgn& inner, const QnRgn& outer) {
        return outer.list_.size() == 1 && Covers(outer.list_.front(), inner.box_);
    };
    if (within(*this, other) || within(other, *this)) {
        result = within(*this, other) ? *this : other;
        result.RecomputeBox();
        return result;
    }
    std::vector<QnRect>& list = result.list_;
    QnRectSweep::ForEachPair(list_, other.list_, [&](uint32_t i, uint32_t j) {
        list.push_back(QnIntersectRect(list_[i], other.list_[j]));
    });
    // The sweep hands the pieces out by top already; only pieces sharing a
    // top may need sorting by left.
    for (auto row = list.begin(); row != list.end();) {
        const auto rowEnd = std::find_if(row, list.end(), [&](const QnRect& r) { return r.top != row->top; });
        if (!std::is_sorted(row, rowEnd, QnRectBefore))
            QnSortRects({row, rowEnd});
        row = rowEnd;
    }
    result.RecomputeBox();
    return result;
}

QnRgn& QnRgn::operator-=(const QnRect& r)
{
    if (list_.empty() || r.IsEmpty())
        return *this;
    // Rectangles starting at or below r's bottom cannot meet it.
    const auto end = std::lower_bound(list_.begin(), list_.end(), r.bottom,
                                      [](const QnRect& s, int32_t y) { return s.top < y; });
    std::vector<QnRect> pieces;
    bool cut = false;
    for (auto it = list_.begin(); it != end; ++it) {
        if (QnRectsMeet(*it, r)) {
            CutOut(*it, r, pieces);
            *it = QnRect{};
            cut = true;
        }
    }
    if (cut) {
        list_.erase(std::remove_if(list_.begin(), list_.end(), [](const QnRect& s) { return s.IsEmpty(); }),
                    list_.end());
        QnSortRects(pieces);
        const auto middle = list_.insert(list_.end(), pieces.begin(), pieces.end());
        std::inplace_merge(list_.begin(), middle, list_.end(), QnRectBefore);
    }
    RecomputeBox();
    return *this;
}

bool QnRgn::IsCoveredBy(const QnRgn& other) const
{
    if (list_.empty())
        return true;
    if (other.list_.empty())
        return false;
    // The rectangles of other are disjoint, so a rectangle is covered exactly
    // when the areas of its overlaps with them add up to its own area.
    std::vector<uint64_t> covered(list_.size(), 0);
    QnRectSweep::ForEachPair(list_, other.list_, [&](uint32_t i, uint32_t j) {
        covered[i] += Area(QnIntersectRect(list_[i], other.list_[j]));
    });
    for (size_t i = 0; i < list_.size(); ++i) {
        if (covered[i] != Area(list_[i]))
            return false;
    }
    return true;
}

bool QnRgn::operator==(const QnRgn& other) const
{
    return this == &other || (IsCoveredBy(other) && other.IsCoveredBy(*this));
}

void QnRgn::RecomputeBox()
{
    box_ = QnRect{};
    for (const QnRect& r : list_)
        box_ = QnExtendBox(box_, r);
}
