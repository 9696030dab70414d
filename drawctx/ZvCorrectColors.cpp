#include "drawctx/ZvCorrectColors.h"

void ZV_CORRECTCOLORS::CorrectRow(uint8_t*, int, int32_t) {}

void ZV_CORRECTCOLORS::SetPaletteGamma(platform::PALETTEENTRY*, int) {}
