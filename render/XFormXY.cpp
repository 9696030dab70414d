#include "render/XFormXY.h"

QnXFormXY::QnXFormXY(const QnRect& from, const QnRect& to)
    : x_(from.left, from.right, to.left, to.right), y_(from.top, from.bottom, to.top, to.bottom)
{
}

int QnXFormXY::shift(int32_t sx, int32_t sy)
{
    const int xExact = x_.shift(sx);
    const int yExact = y_.shift(sy);
    return xExact && yExact;
}

int QnXFormXY::rev_shift(int32_t sx, int32_t sy)
{
    const int xExact = x_.rev_shift(sx);
    const int yExact = y_.rev_shift(sy);
    return xExact && yExact;
}

QnXFormXY::Options QnXFormXY::ExtractOptions(int options)
{
    constexpr int kRangeBits = QN_XF_NEAREST | QN_XF_CENTRE | QN_XF_SORTED;
    if (options & kRangeBits)
        return Options{options & kRangeBits, options & kRangeBits};
    // Index: the three-bit code of one axis. 320 covers as 384 does.
    static constexpr int kByCode[8] = {QN_XF_NEAREST, QN_XF_CENTRE, QN_XF_NEAREST_ENDS, QN_XF_SORTED,
                                       320,           QN_XF_COVER,  QN_XF_SORTED,       QN_XF_SORTED};
    return Options{kByCode[options & 7], kByCode[(options >> 3) & 7]};
}

QnPoint QnXFormXY::XForm(const QnPoint& p, int options) const
{
    const Options o = ExtractOptions(options);
    return QnPoint{x_.XForm(p.x, o.x), y_.XForm(p.y, o.y)};
}

QnPoint QnXFormXY::RevXForm(const QnPoint& p, int options) const
{
    const Options o = ExtractOptions(options);
    return QnPoint{x_.RevXForm(p.x, o.x), y_.RevXForm(p.y, o.y)};
}

QnRect QnXFormXY::XForm(const QnRect& r, int options) const
{
    const Options o = ExtractOptions(options);
    const QnRange x = x_.XForm(QnRange{r.left, r.right}, o.x);
    const QnRange y = y_.XForm(QnRange{r.top, r.bottom}, o.y);
    return QnRect{x.start, y.start, x.end, y.end};
}

QnRect QnXFormXY::RevXForm(const QnRect& r, int options) const
{
    const Options o = ExtractOptions(options);
    const QnRange x = x_.RevXForm(QnRange{r.left, r.right}, o.x);
    const QnRange y = y_.RevXForm(QnRange{r.top, r.bottom}, o.y);
    return QnRect{x.start, y.start, x.end, y.end};
}
