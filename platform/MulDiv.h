// The system's MulDiv: a * b / c through a 64-bit product, rounded to the
// nearest integer (halves away from zero), -1 when c is 0 or the result
// does not fit 32 bits. MulDivWide is the same rounding for operands whose
// product needs more than 32 bits on each side (squares of picture sizes).
#pragma once

#include <cstdint>
#include <limits>

namespace platform {

inline int64_t MulDivWide(int64_t a, int64_t b, int64_t c)
{
    if (c == 0)
        return -1;
    const int64_t p = a * b;
    const int64_t up = p < 0 ? -p : p;
    const int64_t uc = c < 0 ? -c : c;
    const int64_t q = (up + uc / 2) / uc;
    return (p < 0) != (c < 0) ? -q : q;
}

inline int32_t MulDiv(int32_t a, int32_t b, int32_t c)
{
    if (c == 0)
        return -1;
    const int64_t q = MulDivWide(a, b, c);
    if (q > std::numeric_limits<int32_t>::max() || q < std::numeric_limits<int32_t>::min())
        return -1;
    return static_cast<int32_t>(q);
}

} // namespace platform
