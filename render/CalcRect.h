// The block of at most w x h pixels that a worker renders for an anchor.
#pragma once

#include "render/Rect.h"

#include <cstdint>

// The block starting at anchor inside rect: per axis it runs w pixels from
// the anchor, or, where fewer than w remain, it ends at rect's edge and
// starts w before it (at rect's start when rect is narrower than w). An
// anchor outside rect raises "Bad rectangle request".
QnRect QnCalcRect(const QnPoint& anchor, const QnRect& rect, int32_t w, int32_t h);
