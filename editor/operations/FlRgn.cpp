#include "editor/operations/FlRgn.h"

#include <functional>

int FlRgn::Compare(const PpQnFlVal& other) const
{
    const std::less<const QnFlVal*> before;
    const QnFlVal* theirs = other.Get();
    return before(this, theirs) ? -1 : before(theirs, this) ? 1 : 0;
}

PpQnExpr MakeRgnValueExpr(const QnRgn& region)
{
    return PpQnExpr(PpQnFlVal(QnCreate<FlRgn>(region)));
}
