#include "savers/SaverEffect.h"

#include <algorithm>
#include <cstring>

void SaverEffect::SetPicture(SaverDib picture)
{
    picture_ = std::move(picture);
    composed_ = false;
}

int32_t SaverEffect::SquareSizeFor(int32_t size, int32_t pictureWidth, int32_t pictureHeight)
{
    return int32_t(std::min(int64_t(size) * pictureWidth / 100, int64_t(size) * pictureHeight / 100));
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

bool SaverEffect::InCircle(int32_t i, int32_t j) const
{
    const int64_t di = i - e_ / 2;
    const int64_t dj = j - e_ / 2;
    return di * di + dj * dj <= int64_t(e_) * e_ / 4;
}

void SaverEffect::CopyPixel(int32_t i, int32_t j, int32_t sourceX, int32_t sourceY)
{
    std::memcpy(square_.Pixel(j, i), picture_.Pixel(sourceX, sourceY), 3);
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
