#include "savers/SaverMotion.h"

#include <algorithm>

namespace {

int32_t Drift(int32_t v, platform::WinRand& rand)
{
    const int32_t r = rand.Next() % 3 - 1;
    return std::clamp(v + r, -SaverMotion::kMaxSpeed, SaverMotion::kMaxSpeed);
}

void Bounce(int32_t& at, int32_t& v, int32_t e, int32_t side)
{
    at += v;
    if (at < 0 || at + e > side) {
        at = std::max(0, std::min(side - e, at));
        v = -v;
    }
}

} // namespace

void SaverMotion::Walk(platform::WinRand& rand)
{
    vx = Drift(vx, rand);
    vy = Drift(vy, rand);
}

void SaverMotion::Move(int32_t e, int32_t pictureWidth, int32_t pictureHeight)
{
    prevX = x;
    prevY = y;
    Bounce(x, vx, e, pictureWidth);
    Bounce(y, vy, e, pictureHeight);
}

void SaverMotion::Confine(int32_t e, int32_t pictureWidth, int32_t pictureHeight)
{
    x = std::max(0, std::min(pictureWidth - e, x));
    y = std::max(0, std::min(pictureHeight - e, y));
    prevX = std::max(0, std::min(pictureWidth - e, prevX));
    prevY = std::max(0, std::min(pictureHeight - e, prevY));
}
