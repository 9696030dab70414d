#include "picture/RowPacking.h"

#include "imexp/WorkArea.h"

#include <cstring>

int64_t QnPackedRowBytes(int type, int32_t width)
{
    switch (type) {
    case WA_1BIT:
        return (int64_t(width) + 7) / 8;
    case WA_4BIT:
        return (int64_t(width) + 1) / 2;
    case WA_RGB24:
        return int64_t(width) * 3;
    default:
        return width;
    }
}

void QnUnpackRow(int type, const uint8_t* packed, int32_t width, uint8_t* pixels)
{
    if (type == WA_1BIT) {
        for (int32_t x = 0; x < width; ++x)
            pixels[x] = (packed[x >> 3] >> (7 - (x & 7))) & 1;
    } else if (type == WA_4BIT) {
        for (int32_t x = 0; x < width; ++x)
            pixels[x] = (x & 1) ? packed[x >> 1] & 0x0F : packed[x >> 1] >> 4;
    } else {
        std::memcpy(pixels, packed, size_t(QnPackedRowBytes(type, width)));
    }
}

void QnPackRow(int type, const uint8_t* pixels, int32_t width, uint8_t* packed)
{
    if (type == WA_1BIT) {
        std::memset(packed, 0, size_t(QnPackedRowBytes(type, width)));
        for (int32_t x = 0; x < width; ++x)
            if (pixels[x])
                packed[x >> 3] |= uint8_t(0x80 >> (x & 7));
    } else if (type == WA_4BIT) {
        std::memset(packed, 0, size_t(QnPackedRowBytes(type, width)));
        for (int32_t x = 0; x < width; ++x)
            packed[x >> 1] |= uint8_t((pixels[x] & 0x0F) << ((x & 1) ? 0 : 4));
    } else {
        std::memcpy(packed, pixels, size_t(QnPackedRowBytes(type, width)));
    }
}
