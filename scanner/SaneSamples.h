// Turns one line as SANE delivers it (1, 8 or 16 bits a sample, grey or
// red-green-blue, padded to the device's line length) into 8-bit samples.
#pragma once

#include <cstdint>

// Converts width pixels of channels samples each at depth bits. A 1-bit
// grey sample set means black (line art); 16-bit samples are in the
// machine's byte order and keep their high byte.
void QnSaneLineTo8Bit(const uint8_t* line, int32_t width, int32_t channels, int32_t depth, uint8_t* out);
