// 128-bit integer helpers of the rational transforms. Every product or sum
// of 32-bit numbers that a transform forms is computed here, where it cannot
// overflow; only the final numbers are tested against their 32-bit fields.
#pragma once

#include <cstdint>
#include <limits>

using QnWide = __int128;

inline QnWide QnWideAbs(QnWide v) { return v < 0 ? -v : v; }

// Floor of n / d for d > 0 (C++ division truncates towards zero).
inline QnWide QnFloorDiv(QnWide n, QnWide d)
{
    QnWide q = n / d;
    if (n % d != 0 && n < 0)
        --q;
    return q;
}

inline QnWide QnCeilDiv(QnWide n, QnWide d) { return -QnFloorDiv(-n, d); }

// Greatest common divisor of two non-negative numbers; gcd(0, n) = n.
inline QnWide QnWideGcd(QnWide a, QnWide b)
{
    while (b != 0) {
        const QnWide r = a % b;
        a = b;
        b = r;
    }
    return a;
}

inline bool QnFitsInt32(QnWide v)
{
    return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
}

// Coordinates that leave the 32-bit range stop at its ends.
inline int32_t QnSaturateInt32(QnWide v)
{
    if (v < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    if (v > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    return int32_t(v);
}
