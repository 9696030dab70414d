// Copies into the fixed character arrays of the catalogue's records, which
// the catalogue file stores as they are: always NUL-terminated, cut to fit.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

template <size_t N>
void CopyFixed(char (&dst)[N], std::string_view src)
{
    const size_t n = src.size() < N - 1 ? src.size() : N - 1;
    std::memcpy(dst, src.data(), n);
    std::memset(dst + n, 0, N - n);
}

// The string held by a fixed array, up to its first NUL (or all N bytes
// when a damaged array has none).
template <size_t N>
std::string_view FixedView(const char (&src)[N])
{
    return std::string_view(src, strnlen(src, N));
}
