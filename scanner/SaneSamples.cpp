#include "scanner/SaneSamples.h"

#include <cstring>

void QnSaneLineTo8Bit(const uint8_t* line, int32_t width, int32_t channels, int32_t depth, uint8_t* out)
{
    const int32_t count = width * channels;
    switch (depth) {
    case 1:
        for (int32_t i = 0; i < count; ++i) {
            const bool set = (line[i / 8] >> (7 - i % 8)) & 1;
            // In grey line art a set bit is black; in colour it is full intensity.
            out[i] = (set != (channels == 1)) ? 255 : 0;
        }
        break;
    case 16:
        for (int32_t i = 0; i < count; ++i) {
            uint16_t sample;
            std::memcpy(&sample, line + 2 * i, 2);
            out[i] = uint8_t(sample >> 8);
        }
        break;
    default:
        std::memcpy(out, line, size_t(count));
        break;
    }
}
