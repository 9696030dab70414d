// Pictures of the album as packed device-independent bitmaps (the form the
// clipboard and the scanner hand them over in), and back.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/Dib.h"

class WA;

// The colour table a bitmap of the picture carries: the palette of 1, 4 and
// 8-bit pictures, a grey ramp for grey ones, none for true colour.
std::vector<platform::RGBQUAD> DibColourTableOf(const WA& picture);

// The whole picture as a packed DIB: 40-byte header, colour table, rows
// bottom-up at 1, 4, 8 or 24 bits. Empty for a picture of no known type.
std::vector<uint8_t> PackedDibOf(const WA& picture);

// A new work area (one reference) from an uncompressed packed DIB of 1, 4, 8
// or 24 bits; null for any other bitmap or one whose rows are cut short.
WA* WorkAreaFromDib(std::span<const uint8_t> dib);
