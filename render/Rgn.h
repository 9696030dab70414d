// The integer region of the suite: a set of pixels held as a list of
// disjoint rectangles. Render workers track what is still missing of a
// request with it; the editor keeps selections and update areas in it.
//
// After every operation the list holds non-empty, pairwise disjoint
// rectangles sorted by top and then by left, and the box is their bounding
// box (all zeros when empty) -- except that a union or exclusive or of two
// non-empty regions keeps the bounding box of the operands' boxes, which may
// be larger. Rectangles are never merged: the list keeps the pieces that the
// operations cut. Cutting r out of a rectangle leaves up to four pieces: the
// full-width band above r, the pieces left and right of it, and the
// full-width band below. A - B cuts each rectangle of A by the rectangles of
// B in B's order (pieces of one cut are cut by the later ones); A + B is
// B - A beside A; A ^ B is A - B beside B - A; A * B holds the overlap of
// every pair.
#pragma once

#include "render/Rect.h"

#include <cstddef>
#include <span>
#include <vector>

class QnRgn {
public:
    QnRgn() = default;
    // The region of r; an empty r gives an empty region whose box is still r.
    QnRgn(const QnRect& r);
    // The region of rectangles that are already pairwise disjoint (empty ones
    // are dropped), as the shape rasterisers make them.
    static QnRgn FromDisjointRects(std::vector<QnRect> rects);

    const QnRect& box() const { return box_; }
    // The first rectangle of the list, or the all-zero rectangle.
    QnRect first() const;
    operator int() const { return !list_.empty(); }
    bool operator!() const { return list_.empty(); }

    std::span<const QnRect> rects() const { return list_; }
    size_t count() const { return list_.size(); }

    // The rectangle that holds p, or the all-zero rectangle.
    QnRect from_point(const QnPoint& p) const;

    QnRgn operator*(const QnRgn& other) const;
    QnRgn operator+(const QnRgn& other) const;
    QnRgn operator-(const QnRgn& other) const;
    QnRgn operator^(const QnRgn& other) const;
    QnRgn& operator*=(const QnRgn& other) { return *this = *this * other; }
    QnRgn& operator+=(const QnRgn& other) { return *this = *this + other; }
    QnRgn& operator-=(const QnRgn& other) { return *this = *this - other; }
    QnRgn& operator^=(const QnRgn& other) { return *this = *this ^ other; }
    // Removes one rectangle in place, cutting the rectangles it meets.
    QnRgn& operator-=(const QnRect& r);

    // Same set of pixels (the boxes are not compared).
    bool operator==(const QnRgn& other) const;

private:
    // The rectangles of this region cut by every rectangle of other, before
    // sorting: rectangles left whole, in list order, and cut pieces.
    void Subtract(const QnRgn& other, std::vector<QnRect>& whole, std::vector<QnRect>& pieces) const;
    // True when every pixel of this region lies in other.
    bool IsCoveredBy(const QnRgn& other) const;
    void RecomputeBox();

    std::vector<QnRect> list_;
    QnRect box_;
};
