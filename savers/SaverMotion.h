// The wandering of the effect square: a velocity that changes by -1, 0 or +1
// on each axis every tick (at most 20 either way) and a corner that bounces
// off the picture's edges.
#pragma once

#include "platform/WinRand.h"

#include <cstdint>

struct SaverMotion {
    static constexpr int32_t kMaxSpeed = 20;

    int32_t x = 0, y = 0;          // top-left corner of the square, picture pixels from the top
    int32_t prevX = 0, prevY = 0;  // the corner before the last move
    int32_t vx = 3, vy = 3;

    // One draw for vx, then one for vy.
    void Walk(platform::WinRand& rand);
    // Keeps the previous corner, moves, and turns back an axis whose move
    // left [0, picture side - e].
    void Move(int32_t e, int32_t pictureWidth, int32_t pictureHeight);
    // Puts the corner back into the picture after the square or the picture
    // changed size.
    void Confine(int32_t e, int32_t pictureWidth, int32_t pictureHeight);
};
