// The effect's timer as a function of the tick clock: one step every 10 ms
// from the start, so that the frame shown at a clock time does not depend on
// how punctually the window's timer fires. After a long stall (a suspended
// machine) only the last kMaxCatchUp steps are run.
#pragma once

#include <cstdint>

class SaverTicker {
public:
    static constexpr uint32_t kPeriodMs = 10;
    static constexpr uint32_t kMaxCatchUp = 50;

    explicit SaverTicker(uint32_t now) : start_(now) {}

    // Steps due at now since the last call (0 when the clock went back).
    uint32_t Due(uint32_t now);

private:
    uint32_t start_;  // the clock time of the last step run
};
