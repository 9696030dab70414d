#include "drawctx/zvxform/ZVXFORM.h"

namespace {

int RectOptions(int mode) { return mode == ZVXF_RECT_NEAREST ? QN_XF_SORTED : mode; }

} // namespace

ZVXFORM::ZVXFORM(const QnRect& from, const QnRect& to)
    : X(from.left, from.right, to.left, to.right), Y(from.top, from.bottom, to.top, to.bottom)
{
}

void ZVXFORM::XForm(QnPoint& p, int mode) const { p = Maps().XForm(p, mode); }

void ZVXFORM::XForm(QnRect& r, int mode) const { r = Maps().XForm(r, RectOptions(mode)); }

void ZVXFORM::RevXForm(QnPoint& p, int mode) const { p = Maps().RevXForm(p, mode); }

void ZVXFORM::RevXForm(QnRect& r, int mode) const { r = Maps().RevXForm(r, RectOptions(mode)); }
