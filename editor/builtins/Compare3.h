// Three-way comparison for the Compare of values: -1, 0 or 1, never a
// difference that could overflow.
#pragma once

template <class T>
constexpr int QnCompare3(const T& a, const T& b)
{
    return a < b ? -1 : b < a ? 1 : 0;
}
