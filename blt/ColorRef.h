// A colour as the system's drawing calls pass it: 0x00BBGGRR, red in the
// low byte.
#pragma once

#include <cstdint>

using QnColorRef = uint32_t;

constexpr QnColorRef QnRGB(uint8_t r, uint8_t g, uint8_t b)
{
    return QnColorRef(r) | QnColorRef(g) << 8 | QnColorRef(b) << 16;
}

constexpr uint8_t QnGetRValue(QnColorRef c) { return uint8_t(c); }
constexpr uint8_t QnGetGValue(QnColorRef c) { return uint8_t(c >> 8); }
constexpr uint8_t QnGetBValue(QnColorRef c) { return uint8_t(c >> 16); }
