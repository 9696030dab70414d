// A pair of one-dimensional maps, X first and then Y, copied by value. As a
// drawing context's transform it maps client coordinates forward to picture
// coordinates.
#pragma once

#include "drawctx/zvxform/XFFACT.h"
#include "render/Rect.h"
#include "render/XFormXY.h"

// The rounding mode callers pass for rectangles: each end rounded to the
// nearest whole pixel, and the ends put in order, so that a map that turns
// an axis round still gives a proper rectangle.
constexpr int ZVXF_RECT_NEAREST = 64;

class ZVXFORM {
public:
    ZVXFORM() = default;
    ZVXFORM(const XFFACT& x, const XFFACT& y) : X(x), Y(y) {}
    // X from (from.left, from.right) to (to.left, to.right), Y likewise
    // from (from.top, from.bottom) to (to.top, to.bottom). Raises
    // xfol_overflow when from is zero wide or high.
    ZVXFORM(const QnRect& from, const QnRect& to);

    // Forward and reverse maps in place. A point's mode is the render
    // library's option for both axes (64 the nearest whole coordinate, 128
    // the pixel under the image of the pixel's centre) or its per-axis code;
    // for a rectangle, mode 64 rounds each end to the nearest and orders the
    // ends, and other modes are the render library's range options.
    void XForm(QnPoint& p, int mode) const;
    void XForm(QnRect& r, int mode) const;
    void RevXForm(QnPoint& p, int mode) const;
    void RevXForm(QnRect& r, int mode) const;

    QnXFormXY Maps() const { return QnXFormXY(X.Map(), Y.Map()); }
    bool operator==(const ZVXFORM&) const = default;

    XFFACT X;
    XFFACT Y;
};
