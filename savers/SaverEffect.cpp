#include "savers/SaverEffect.h"

#include <algorithm>
#include <cmath>
#include <cstring>

void SaverEffect::SetPicture(SaverDib picture)
{
    picture_ = std::move(picture);
    composed_ = false;
}

int32_t SaverEffect::SquareSizeFor(int32_t size, int32_t pictureWidth, int32_t pictureHeight)
{
    return int32_t(std::min({int64_t(size) * pictureWidth / 100, int64_t(size) * pictureHeight / 100,
                             int64_t(kMaxSquare)}));
}

void SaverEffect::ReplaceSquare(int32_t e)
{
    e_ = std::max(e, 0);
    square_ = SaverDib(e_, e_);
    composed_ = false;
    // A larger square, or a smaller picture, may leave the corner outside
    // [0, side - e]; the next tick would read beyond the picture.
    motion_.Confine(e_, picture_.Width(), picture_.Height());
}

void SaverEffect::Step(platform::WinRand& rand)
{
    if (!HasPicture())
        return;
    motion_.Walk(rand);
    AdvancePhase();
    motion_.Move(e_, picture_.Width(), picture_.Height());
}

void SaverEffect::Tick(platform::WinRand& rand)
{
    Step(rand);
    ComposeSquare();
}

SaverEffect::Span SaverEffect::CircleSpan(int32_t i) const
{
    const int64_t h = e_ / 2;
    const int64_t di = i - h;
    const int64_t room = int64_t(e_) * e_ / 4 - di * di;
    if (room < 0)
        return {};
    // The largest s with s^2 <= room.
    int64_t s = int64_t(std::sqrt(double(room)));
    while (s * s > room)
        --s;
    while ((s + 1) * (s + 1) <= room)
        ++s;
    return {int32_t(std::max<int64_t>(0, h - s)), int32_t(std::min<int64_t>(e_, h + s + 1))};
}

void SaverEffect::ComposeSquare()
{
    if (!HasPicture() || e_ <= 0 || square_.Empty())
        return;
    // Only the square's own pixels are copied: its padded row may reach
    // beyond the picture's last row when the square lies at the right edge.
    const size_t bytes = size_t(e_) * 3;
    for (int32_t i = 0; i < e_; ++i)
        std::memcpy(square_.Line(i), picture_.Pixel(motion_.x, motion_.y + i), bytes);
    ComposeCircle();
    composed_ = true;
}
