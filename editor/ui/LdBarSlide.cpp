#include "editor/ui/LdBarSlide.h"

#include "platform/TickClock.h"

#include <chrono>
#include <thread>

namespace {

CLdBarSlide::Sleep& SleepFn()
{
    static CLdBarSlide::Sleep sleep;
    return sleep;
}

void Wait(uint32_t ms)
{
    if (SleepFn())
        SleepFn()(ms);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace

std::vector<QPoint> CLdBarSlide::Steps(const QSize& client, bool vertical, bool in)
{
    const int32_t count = (vertical ? client.width() : client.height()) / kStepPixels;
    const int32_t d = in ? kStepPixels : -kStepPixels;
    return std::vector<QPoint>(size_t(std::max(count, 0)), vertical ? QPoint(d, 0) : QPoint(0, d));
}

void CLdBarSlide::Run(const std::vector<QPoint>& steps, const std::function<void(const QPoint&)>& move)
{
    bool first = true;
    uint32_t last = 0;
    for (const QPoint& step : steps) {
        if (!first) {
            // The tick count wraps at 32 bits; the difference does not.
            const uint32_t passed = platform::TickClock::Now() - last;
            if (passed < kStepMs)
                Wait(kStepMs - passed);
        }
        first = false;
        last = platform::TickClock::Now();
        move(step);
    }
}

CLdBarSlide::Sleep CLdBarSlide::SetSleep(Sleep sleep)
{
    Sleep previous = std::move(SleepFn());
    SleepFn() = std::move(sleep);
    return previous;
}
