// Row conversions between the work-area pixel forms: count pixels from pixel
// first of a packed source row into dst, which receives them from its start
// as 3-byte colour (blue, green, red), 1-byte grey or 1-byte palette index.
// The 4- and 8-bit colour forms go through the picture's palette.
#pragma once

#include "platform/Dib.h"

#include <cstdint>

using platform::PALETTEENTRY;

void WA_Conv_1_To_RGB(const uint8_t* src, int first, int count, uint8_t* dst);
void WA_Conv_1_To_Gray(const uint8_t* src, int first, int count, uint8_t* dst);
void WA_Conv_1_To_8(const uint8_t* src, int first, int count, uint8_t* dst);
void WA_Conv_4_To_8(const uint8_t* src, int first, int count, uint8_t* dst);
void WA_Conv_Gray_To_RGB(const uint8_t* src, int first, int count, uint8_t* dst);
void WA_Conv_RGB_To_Gray(const uint8_t* src, int first, int count, uint8_t* dst);
void WA_Conv_4_To_RGB(const uint8_t* src, int first, int count, uint8_t* dst, const PALETTEENTRY* palette);
void WA_Conv_4_To_Gray(const uint8_t* src, int first, int count, uint8_t* dst, const PALETTEENTRY* palette);
void WA_Conv_8_To_RGB(const uint8_t* src, int first, int count, uint8_t* dst, const PALETTEENTRY* palette);
void WA_Conv_8_To_Gray(const uint8_t* src, int first, int count, uint8_t* dst, const PALETTEENTRY* palette);
