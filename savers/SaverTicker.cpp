#include "savers/SaverTicker.h"

uint32_t SaverTicker::Due(uint32_t now)
{
    // Unsigned differences stay right across the clock's 32-bit wrap.
    const uint32_t elapsed = now - start_;
    if (elapsed > 0x80000000u)  // the clock went back
        return 0;
    const uint32_t due = elapsed / kPeriodMs;
    // The remainder carries over to the next call.
    start_ += due * kPeriodMs;
    return due < kMaxCatchUp ? due : kMaxCatchUp;
}
