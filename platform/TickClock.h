// The millisecond tick count (the system's GetTickCount): milliseconds since
// an unspecified start, wrapping at 32 bits. Code that seeds generators or
// times animations reads it here, so that tests can put a clock of their own
// in its place.
#pragma once

#include <cstdint>

namespace platform {

class TickClock {
public:
    using Source = uint32_t (*)();

    static uint32_t Now();
    // Replaces the clock (null restores the system's); returns the previous one.
    static Source SetSource(Source source);
};

} // namespace platform
