// The rectangle rules of the sketch: rectangles keep the order their corners
// were given in until they are normalised, and a point is inside when it lies
// on the left or top edge but not on the right or bottom one.
#pragma once

#include <algorithm>

#include "render/Rect.h"

inline QnRect SketchNormalizeRect(const QnRect& r)
{
    return QnRect{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                  std::max(r.top, r.bottom)};
}

// The normalised rectangle spanned by two corners.
inline QnRect SketchRectOf(const QnPoint& a, const QnPoint& b)
{
    return SketchNormalizeRect(QnRect{a.x, a.y, b.x, b.y});
}

inline bool SketchPtInRect(const QnRect& r, const QnPoint& p)
{
    return r.Contains(p);
}

inline QnPoint SketchTopLeft(const QnRect& r) { return QnPoint{r.left, r.top}; }
inline QnPoint SketchBottomRight(const QnRect& r) { return QnPoint{r.right, r.bottom}; }
