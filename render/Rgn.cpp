#include "render/Rgn.h"

#include "render/RectIndex.h"

#include <algorithm>
#include <cstdint>

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
    std::sort(unsorted.begin(), unsorted.end(), QnRectBefore);
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
    // Each rectangle is cut by the rectangles of other that meet it, in
    // other's order; the pieces of one cut are cut by the later ones. Only
    // rectangles meeting the original can meet its pieces, so asking the
    // index once per rectangle finds every cut.
    const QnRectIndex index(other.list_);
    std::vector<uint32_t> hits;
    std::vector<QnRect> work;
    std::vector<QnRect> next;
    for (const QnRect& a : list_) {
        hits.clear();
        index.FindMeeting(a, hits);
        if (hits.empty()) {
            whole.push_back(a);
            continue;
        }
        work.assign(1, a);
        for (uint32_t hit : hits) {
            const QnRect& cutter = other.list_[hit];
            next.clear();
            for (const QnRect& s : work) {
                if (QnRectsMeet(s, cutter))
                    CutOut(s, cutter, next);
                else
                    next.push_back(s);
            }
            work.swap(next);
            if (work.empty())
                break;
        }
        pieces.insert(pieces.end(), work.begin(), work.end());
    }
}

QnRgn QnRgn::operator-(const QnRgn& other) const
{
    if (list_.empty() || other.list_.empty())
        return *this;
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
    // The pieces are the same whichever side is searched; index the larger.
    const QnRgn& searched = list_.size() >= other.list_.size() ? *this : other;
    const QnRgn& scanned = &searched == this ? other : *this;
    const QnRectIndex index(searched.list_);
    std::vector<uint32_t> hits;
    for (const QnRect& a : scanned.list_) {
        hits.clear();
        index.FindMeeting(a, hits);
        for (uint32_t hit : hits)
            result.list_.push_back(QnIntersectRect(a, searched.list_[hit]));
    }
    std::sort(result.list_.begin(), result.list_.end(), QnRectBefore);
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
        std::sort(pieces.begin(), pieces.end(), QnRectBefore);
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
    const QnRectIndex index(other.list_);
    std::vector<uint32_t> hits;
    for (const QnRect& a : list_) {
        hits.clear();
        index.FindMeeting(a, hits);
        uint64_t covered = 0;
        for (uint32_t hit : hits)
            covered += Area(QnIntersectRect(a, other.list_[hit]));
        if (covered != Area(a))
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
