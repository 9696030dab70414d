#include "filters/edges/LightDirection.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kTurn = 2 * 3.14159;
}

LightChoice LightAt(double dx, double dy, double radius)
{
    LightChoice c;
    const double distance = std::sqrt(dx * dx + dy * dy);
    c.level = radius > 0 && distance * 2 >= radius ? 1 : 0;
    double angle = std::atan2(dy, dx);
    if (angle < 0)
        angle += kTurn;
    c.sector = std::clamp(int32_t(angle * kLightSectors / kTurn), 0, kLightSectors - 1);
    return c;
}

int32_t ShadowOption(const LightChoice& choice)
{
    if (choice.level == 0)
        return 0;
    static constexpr int32_t kBySector[kLightSectors] = {4, 3, 1, 2};
    return kBySector[choice.sector & 3];
}

LightChoice ChoiceForShadow(int32_t shadow)
{
    static constexpr int32_t kSectorOf[5] = {0, 2, 3, 1, 0};
    if (shadow < 1 || shadow > 4)
        return LightChoice{0, 0};
    return LightChoice{1, kSectorOf[shadow]};
}

void LightPoint(const LightChoice& choice, double radius, double& lx, double& ly)
{
    const double angle = (choice.sector + 0.5) * kTurn / kLightSectors;
    const double distance = choice.level == 0 ? 0 : radius * 0.75;
    lx = distance * std::cos(angle);
    ly = distance * std::sin(angle);
}

int32_t SphereGrey(double dx, double dy, double radius, double lx, double ly)
{
    const double r2 = dx * dx + dy * dy;
    if (radius <= 0 || r2 > radius * radius)
        return -1;
    const double nz = std::sqrt(radius * radius - r2);
    // The light stands a radius in front of the control's plane.
    const double l = std::sqrt(lx * lx + ly * ly + radius * radius);
    const double lit = (dx * lx + dy * ly + nz * radius) / (radius * l);
    return int32_t(std::lround(40 + 215 * std::clamp(lit, 0.0, 1.0)));
}
