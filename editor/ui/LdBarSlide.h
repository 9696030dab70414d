// How a dialog bar slides its contents out of sight and back: a vertical
// bar sideways, a horizontal one up and down, in steps of ten pixels, one
// step every 50 ms of the tick clock.
#pragma once

#include <QPoint>
#include <QSize>
#include <cstdint>
#include <functional>
#include <vector>

class CLdBarSlide {
public:
    static constexpr int32_t kStepPixels = 10;
    static constexpr uint32_t kStepMs = 50;

    // The moves of one slide: a tenth of the bar's width (vertical) or
    // height (horizontal) steps, towards negative coordinates when sliding
    // out and back when sliding in.
    static std::vector<QPoint> Steps(const QSize& client, bool vertical, bool in);

    // Makes each move once kStepMs have passed since the one before; the
    // first goes at once.
    static void Run(const std::vector<QPoint>& steps, const std::function<void(const QPoint&)>& move);

    // What waiting does (the thread sleeps); tests put in one that moves
    // their clock. Returns the previous one.
    using Sleep = std::function<void(uint32_t ms)>;
    static Sleep SetSleep(Sleep sleep);
};
