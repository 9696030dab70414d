// The C library's rand() of the system that the filters were written for,
// one generator per instance, where results must repeat from a seed:
// state = state * 214013 + 2531011 (32-bit wrap), result bits 16 to 30.
#pragma once

#include <cstdint>

namespace platform {

class WinRand {
public:
    static constexpr int32_t Max = 0x7FFF;

    explicit WinRand(uint32_t seed = 1) : state_(seed) {}
    void Seed(uint32_t seed) { state_ = seed; }

    // 0 to 32767.
    int32_t Next()
    {
        state_ = state_ * 214013u + 2531011u;
        return int32_t((state_ >> 16) & 0x7FFF);
    }

private:
    uint32_t state_;
};

} // namespace platform
