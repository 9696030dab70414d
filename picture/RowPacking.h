// DIB row packing of the paletted types: type 1 eight pixels a byte, type 2
// two, leftmost in the high bits; other types one or three bytes a pixel as
// they stand in memory.
#pragma once

#include <cstdint>

// Bytes of the packed pixels of a row of width pixels (no padding).
int64_t QnPackedRowBytes(int type, int32_t width);
// Expands a packed row into one byte a pixel (type 1: 0 or 1).
void QnUnpackRow(int type, const uint8_t* packed, int32_t width, uint8_t* pixels);
// Packs one byte a pixel into the packed row; unused low bits of a last
// partial byte are 0. A type-1 pixel counts as set when nonzero.
void QnPackRow(int type, const uint8_t* pixels, int32_t width, uint8_t* packed);
