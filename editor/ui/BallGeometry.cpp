#include "editor/ui/BallGeometry.h"

#include <algorithm>
#include <cmath>

namespace {
// The circle as the ball has always measured it: 6.283, not 2pi, so that
// directions and their angles keep matching the ones users set before.
constexpr long double kCircle = 6.283L;
constexpr double kInverseCircle = 0.15915963711602737;
}  // namespace

bool CBallGeometry::SetDistance(int32_t value)
{
    if (value == distance)
        return false;
    distance = value;
    return true;
}

bool CBallGeometry::SetDirection(int32_t value)
{
    if (value == direction)
        return false;
    direction = value;
    return true;
}

void CBallGeometry::SetMaxDistance(int32_t value)
{
    maxDistance_ = value;
    if (distance > value)
        SetDistance(value);
}

void CBallGeometry::SetDirectionSteps(int32_t value)
{
    directionSteps_ = value;
    // Directions run from 0 to value - 1; a direction equal to the count
    // would point past the owner's table of directions.
    if (direction > value - 1)
        SetDirection(std::max(value - 1, 0));
}

QnPoint CBallGeometry::BallCentre(int32_t w) const
{
    const QnPoint c = Centre(w);
    // With no distance steps the ball can only sit in the centre.
    const int64_t r = maxDistance_ > 0
        ? ((int64_t(w) - 3 * BallRadius(w)) * distance + maxDistance_) / (2 * int64_t(maxDistance_))
        : 0;
    const int32_t steps = std::max(directionSteps_, 1);
    const long double a = kCircle / steps * (direction + 0.5L);
    return QnPoint{int32_t(std::cos(a) * r + c.x), int32_t(std::sin(a) * r + c.y)};
}

int32_t CBallGeometry::DirectionFromPoint(const QnPoint& p, int32_t w) const
{
    const QnPoint c = Centre(w);
    double a = std::atan2(double(p.y) - c.y, double(p.x) - c.x);
    if (a < 0)
        a += double(kCircle);
    return int32_t(directionSteps_ * a * kInverseCircle);
}

int32_t CBallGeometry::DistanceFromPoint(const QnPoint& p, int32_t w) const
{
    const QnPoint c = Centre(w);
    const int32_t usable = (w - 3 * BallRadius(w)) / 2;
    if (usable <= 0)
        return 0;
    const double dx = double(p.x) - c.x;
    const double dy = double(p.y) - c.y;
    const double q = (std::sqrt(dx * dx + dy * dy) * maxDistance_ + usable / 2) / usable;
    return int32_t(std::min(q, double(maxDistance_)));
}

bool CBallGeometry::PlaceAt(const QnPoint& p, int32_t w)
{
    const int32_t d = DistanceFromPoint(p, w);
    const int32_t s = DirectionFromPoint(p, w);
    const bool distanceChanged = SetDistance(d);
    const bool directionChanged = SetDirection(s);
    return distanceChanged || directionChanged;
}

uint8_t CBallGeometry::SphereGrey(int32_t x, int32_t y, int32_t w, const QnPoint& b)
{
    const QnPoint c = Centre(w);
    const float radius = float(SphereRadius(w));
    const float ball = float(SphereRadius(w) / 4);
    const float dx = float(x - c.x), dy = float(y - c.y);
    const float d2 = dx * dx + dy * dy;
    if (d2 > radius * radius)
        return 128;
    const float ex = float(b.x - x), ey = float(b.y - y);
    const float e2 = ex * ex + ey * ey;
    // A NaN (a ball of radius 0 under the pixel) counts as no light.
    auto positive = [](float v) { return v > 0.0f ? v : 0.0f; };
    const float k1 = positive((2 * radius * radius - d2) / (2 * radius * radius));
    const float k2 = positive((2 * ball * ball - e2) / (2 * ball * ball));
    const float k3 = positive((2 * radius * radius - e2) / (2 * radius * radius));
    const int32_t v = int32_t(double(k2 * k1 + k3) * 127.0);
    const int32_t grey = d2 > radius * radius - radius ? (v + 128) / 2 : v;
    return uint8_t(grey & 255);
}
