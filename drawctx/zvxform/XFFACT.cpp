#include "drawctx/zvxform/XFFACT.h"

#include "drawctx/zvxform/XfolExcept.h"
#include "render/WideInt.h"

XFFACT::XFFACT(int32_t a1, int32_t a2, int32_t b1, int32_t b2)
{
    if (a1 == a2)
        throw xfol_overflow(__FILE__, __LINE__);
    map_ = QnXForm(a1, a2, b1, b2);
}

bool XFFACT::IsShiftOf(const XFFACT& old, int32_t& d) const
{
    // this(x) = (a1 x + b1) / d1 and old(x) = (a0 x + b0) / d0. They differ
    // by a move of the source axis when the slopes agree; the move is then
    // (b0 d1 - b1 d0) / (a0 d1), which must be whole.
    const QnWide a0 = old.map_.anum(), b0 = old.map_.bnum(), d0 = old.map_.den();
    const QnWide a1 = map_.anum(), b1 = map_.bnum(), d1 = map_.den();
    if (a0 == 0 || a0 * d1 != a1 * d0)
        return false;
    const QnWide num = b0 * d1 - b1 * d0;
    const QnWide den = a0 * d1;
    if (num % den != 0)
        return false;
    const QnWide q = num / den;
    if (!QnFitsInt32(q))
        throw xfol_castoverflow(__FILE__, __LINE__);
    d = int32_t(q);
    return true;
}
