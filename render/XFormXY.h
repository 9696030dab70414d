// A pair of rational axis maps, x then y: the 2-D transforms between a
// picture, its zoomed plane and the screen.
#pragma once

#include "render/Rect.h"
#include "render/XForm.h"

#include <cstdint>

class QnXFormXY {
public:
    // The rounding option of each axis for the point and rectangle forms.
    struct Options {
        int x;
        int y;
    };

    QnXFormXY() = default;
    QnXFormXY(const QnXForm& x, const QnXForm& y) : x_(x), y_(y) {}
    // The map taking the corners of from onto those of to; raises "Bad
    // transformation factor" when from is zero wide or zero high.
    QnXFormXY(const QnRect& from, const QnRect& to);

    const QnXForm& GetXFactor() const { return x_; }
    const QnXForm& GetYFactor() const { return y_; }

    // Composition on both axes: other first, then this.
    QnXFormXY operator*(const QnXFormXY& other) const { return QnXFormXY(x_ * other.x_, y_ * other.y_); }
    QnXFormXY& operator*=(const QnXFormXY& other) { return *this = *this * other; }

    // The shifts of QnXForm; the two-axis forms give 1 only when both axes
    // stayed exact.
    int shiftx(int32_t s) { return x_.shift(s); }
    int shifty(int32_t s) { return y_.shift(s); }
    int shift(int32_t sx, int32_t sy);
    int rev_shiftx(int32_t s) { return x_.rev_shift(s); }
    int rev_shifty(int32_t s) { return y_.rev_shift(s); }
    int rev_shift(int32_t sx, int32_t sy);

    // Options either name one range option for both axes (any of the bits
    // 0x1C0 set), or pick one per axis by code: bits 0-2 for x and bits 3-5
    // for y, 0 nearest, 1 centre, 2 nearest ends, 4 covering, 5 covering,
    // 3, 6 and 7 sorted.
    static Options ExtractOptions(int options);

    QnPoint XForm(const QnPoint& p, int options) const;
    QnPoint RevXForm(const QnPoint& p, int options) const;
    QnRect XForm(const QnRect& r, int options) const;
    QnRect RevXForm(const QnRect& r, int options) const;

    bool operator==(const QnXFormXY&) const = default;

private:
    QnXForm x_;
    QnXForm y_;
};
