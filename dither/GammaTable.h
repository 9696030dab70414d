// Monitor gamma as a lookup table: gamma in whole hundredths (100 = 1.00)
// maps level i to round(255 * (i / 255) ^ (gamma / 100)), so a larger
// value darkens the mid-tones and 100 is the identity.
#pragma once

#include <cstdint>

void QnFillGammaTable(uint8_t table[256], int gamma);
