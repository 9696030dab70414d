#include "platform/TickClock.h"

#include <atomic>
#include <chrono>

namespace platform {

namespace {

std::atomic<TickClock::Source> source{nullptr};

uint32_t SystemTicks()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

} // namespace

uint32_t TickClock::Now()
{
    Source installed = source.load();
    return installed ? installed() : SystemTicks();
}

TickClock::Source TickClock::SetSource(Source replacement) { return source.exchange(replacement); }

} // namespace platform
