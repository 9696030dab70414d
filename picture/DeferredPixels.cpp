#include "picture/DeferredPixels.h"

namespace {

// True when map shrinks by at least by: destination pixel i + 1 lies by
// source pixels or more past destination pixel i.
bool ReducesBy(const QnXForm& map, int32_t by)
{
    const QnXForm inverse = 1 / map;
    return inverse.anum() > 0 && int64_t(inverse.anum()) >= int64_t(by) * int64_t(inverse.den());
}

} // namespace

std::optional<QnXFormXY> QnDeferredPixels::PreviewXForm(const QnXFormXY& xf) const
{
    if (!ReducesBy(xf.GetXFactor(), reduction) || !ReducesBy(xf.GetYFactor(), reduction))
        return std::nullopt;
    // The stretch under xf gives destination pixel i the full picture's
    // pixel s = floor((a*i + floor(a/2) + b) / den), (a, b, den) being xf's
    // inverse. Under xf * k the inverse is (a, b, den*k), whose stretch
    // picks floor(s / k): the preview pixel whose block holds s.
    const QnXForm by(reduction, 0, 1);
    return QnXFormXY(xf.GetXFactor() * by, xf.GetYFactor() * by);
}
