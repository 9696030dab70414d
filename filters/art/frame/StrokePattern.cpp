#include "filters/art/frame/StrokePattern.h"

#include "filters/art/frame/AngleNeedle.h"

#include <cmath>

std::vector<StrokeLine> StrokePattern(int32_t width, int32_t height, int32_t degrees, platform::WinRand& rand)
{
    const double a = degrees * AngleNeedle::kRadiansPerDegree;
    const auto dx = int32_t(width * std::cos(a) / 3);
    const auto dy = int32_t(width * std::sin(a) / 3);
    std::vector<StrokeLine> lines;
    lines.reserve(kStrokeCount);
    for (int32_t i = 0; i < kStrokeCount; ++i) {
        const int32_t x = rand.Next() * width / platform::WinRand::Max;
        const int32_t y = rand.Next() * height / platform::WinRand::Max;
        lines.push_back(StrokeLine{x, y, x + dx, y + dy});
    }
    return lines;
}
