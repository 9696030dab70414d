// The index tables of nearest-sample stretching: for each destination pixel
// the source pixel under its centre, walked incrementally along one axis.
#pragma once

#include "render/XForm.h"

#include <cstdint>

// table[i] = floor((a*(x0 + i) + floor(a/2) + b) / den) for i in 0 .. count-1,
// where (a, b, den) is inverse, the destination -> source map: the source
// index under the centre of destination pixel x0 + i. Indices beyond the
// 32-bit range stop at its ends.
void QnFillRoughTable(int32_t* table, int32_t x0, int32_t count, const QnXForm& inverse);

// The resampling method that options choose for one axis of map: 1:1 reads
// options & 0xF0 (0x10 -> 1, 0x20 -> 2), enlarging options & 0xF00
// (0x100 -> 1, 0x200 -> 2), reducing options & 0xF (1 -> 1, 2 -> 2); 0 else.
int32_t QnGetStrOpt(const QnXForm& map, int options);
