// Moving and mapping whole regions: the blitter's clip comes in logical
// coordinates and is needed on the zoomed plane and in device pixels.
#pragma once

#include "blt/DcMapping.h"
#include "render/Rgn.h"

#include <cstdint>

// r moved by (dx, dy); coordinates stop at the ends of the 32-bit range.
QnRect QnOffsetRect(const QnRect& r, int32_t dx, int32_t dy);
// rgn moved by (dx, dy); coordinates stop at the ends of the 32-bit range.
QnRgn QnOffsetRgn(const QnRgn& rgn, int32_t dx, int32_t dy);
// The device pixels that the logical region covers: each rectangle mapped
// as LPtoDP maps it. Neighbouring rectangles stay neighbours, because both
// share the rounded device coordinate of their common edge.
QnRgn QnLPtoDPRgn(const DcMapping& mapping, const QnRgn& logical);
