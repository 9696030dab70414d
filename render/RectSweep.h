// Finds every pair of overlapping rectangles of two regions with one sweep
// down both lists, so that combining regions of thousands of rectangles does
// not test every pair.
//
// It relies on the region invariants: the rectangles of each list are
// disjoint and sorted by top, then left. The rectangles of one region that
// cross a horizontal line are then disjoint intervals on it, so kept in
// order of left they are in order of right too, and those meeting a given
// interval form one run found by binary search.
#pragma once

#include "render/Rect.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

class QnRectSweep {
public:
    // Calls pair(i, j) once for every a[i] that meets b[j]. Pairs come in
    // order of the top of their overlap. Pairs whose overlaps start on the
    // same row come as at most two runs, each in order of left: first those
    // found for rectangles of a starting on that row, then those found for
    // rectangles of b.
    template <class Pair>
    static void ForEachPair(std::span<const QnRect> a, std::span<const QnRect> b, Pair&& pair)
    {
        Active activeA, activeB;
        size_t i = 0, j = 0;
        while (i < a.size() && j < b.size()) {
            // On equal tops a goes first, so such a pair is found once, for b.
            if (a[i].top <= b[j].top) {
                const QnRect& r = a[i];
                activeB.Drop(r.top);
                activeB.ForEachMeeting(r, [&](uint32_t hit) { pair(uint32_t(i), hit); });
                activeA.Drop(r.top);
                activeA.Insert(r, uint32_t(i++));
            } else {
                const QnRect& r = b[j];
                activeA.Drop(r.top);
                activeA.ForEachMeeting(r, [&](uint32_t hit) { pair(hit, uint32_t(j)); });
                activeB.Drop(r.top);
                activeB.Insert(r, uint32_t(j++));
            }
        }
        // Once one list is through, only its active rectangles can still meet.
        for (; i < a.size() && !activeB.Empty(); ++i) {
            activeB.Drop(a[i].top);
            activeB.ForEachMeeting(a[i], [&](uint32_t hit) { pair(uint32_t(i), hit); });
        }
        for (; j < b.size() && !activeA.Empty(); ++j) {
            activeA.Drop(b[j].top);
            activeA.ForEachMeeting(b[j], [&](uint32_t hit) { pair(hit, uint32_t(j)); });
        }
    }

private:
    // The rectangles of one list that the sweep line crosses, by left.
    class Active {
    public:
        bool Empty() const { return items_.empty(); }

        // Drops the rectangles that end at or above row y.
        void Drop(int32_t y)
        {
            if (y < nextBottom_)
                return;
            nextBottom_ = std::numeric_limits<int32_t>::max();
            size_t kept = 0;
            for (const Item& item : items_) {
                if (item.bottom > y) {
                    items_[kept++] = item;
                    nextBottom_ = std::min(nextBottom_, item.bottom);
                }
            }
            items_.resize(kept);
            insertRow_ = queryRow_ = kNoRow;
        }

        void Insert(const QnRect& r, uint32_t index)
        {
            // Rectangles starting on one row arrive left to right, so each
            // goes after the one inserted before it.
            const size_t from = r.top == insertRow_ ? insertNext_ : 0;
            const size_t at = FirstNot(from, [&](const Item& item) { return item.left < r.left; });
            items_.insert(items_.begin() + at, Item{r.left, r.right, r.bottom, index});
            nextBottom_ = std::min(nextBottom_, r.bottom);
            insertRow_ = r.top;
            insertNext_ = at + 1;
            queryRow_ = kNoRow;
        }

        // Calls hit(index) for the rectangles meeting r, which must start on
        // the sweep line; Drop must have run for that line.
        template <class Hit>
        void ForEachMeeting(const QnRect& r, Hit&& hit)
        {
            // Queries from one row come left to right too.
            const size_t from = r.top == queryRow_ ? queryFirst_ : 0;
            size_t at = FirstNot(from, [&](const Item& item) { return item.right <= r.left; });
            queryRow_ = r.top;
            queryFirst_ = at;
            for (; at < items_.size() && items_[at].left < r.right; ++at)
                hit(items_[at].index);
        }

    private:
        static constexpr int64_t kNoRow = int64_t(std::numeric_limits<int32_t>::min()) - 1;

        // The first item for which before is false, where before holds for a
        // leading run that is known to reach at least to from. Gallops from
        // a hint; without one, a binary search whose steps compile to
        // conditional moves rather than branches the processor cannot predict.
        template <class Before>
        size_t FirstNot(size_t from, Before&& before) const
        {
            size_t first = from, n = items_.size() - from; // the answer lies in [first, first + n]
            if (from > 0) {
                size_t step = 1;
                while (step < n && before(items_[first + step - 1])) {
                    first += step;
                    n -= step;
                    step *= 2;
                }
                n = std::min(n, step);
            }
            while (n > 1) {
                const size_t half = n / 2;
                first = before(items_[first + half - 1]) ? first + half : first;
                n -= half;
            }
            return first + (n == 1 && before(items_[first]));
        }

        struct Item {
            int32_t left;
            int32_t right;
            int32_t bottom;
            uint32_t index;
        };

        std::vector<Item> items_;
        // The smallest bottom of the items: nothing to drop above it.
        int32_t nextBottom_ = std::numeric_limits<int32_t>::max();
        // Where the last insert and the last query of a row ended, valid
        // while the row goes on and nothing is dropped.
        int64_t insertRow_ = kNoRow;
        size_t insertNext_ = 0;
        int64_t queryRow_ = kNoRow;
        size_t queryFirst_ = 0;
    };
};
