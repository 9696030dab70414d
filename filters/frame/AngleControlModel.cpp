#include "filters/frame/AngleControlModel.h"

#include <cmath>

int32_t AngleControlModel::Reported(int32_t internal)
{
    int32_t reported = static_cast<int32_t>((int64_t{internal} + 90) % 360);
    if (reported < 0)
        reported += 360;
    return reported;
}

int32_t AngleControlModel::DegreesOf(int32_t dx, int32_t dy)
{
    return static_cast<int32_t>(std::atan2(double(dy), double(dx)) * kDegreesPerRadian);
}

void AngleControlModel::Press(int32_t dx, int32_t dy)
{
    dragging_ = true;
    dragOffset_ = dx == 0 && dy == 0 ? 0 : DegreesOf(dx, dy) - angle_;
}

bool AngleControlModel::Move(int32_t dx, int32_t dy)
{
    if (!dragging_ || (dx == 0 && dy == 0))
        return false;
    // Compared after the offset: the grabbed point, not the needle, follows
    // the mouse.
    const int32_t turned = DegreesOf(dx, dy) - dragOffset_;
    if (turned == angle_)
        return false;
    angle_ = turned;
    return true;
}

bool AngleControlModel::Release()
{
    if (!dragging_)
        return false;
    dragging_ = false;
    return true;
}

void AngleControlModel::Turn(int32_t degrees)
{
    // Kept within a turn so that keys held for long never overflow.
    angle_ = static_cast<int32_t>((int64_t{angle_} + degrees) % 360);
}

AngleControlModel::Needle AngleControlModel::NeedleOf(int32_t side, int32_t internal)
{
    const double r = side / 2;
    const double a = internal * kRadiansPerDegree;
    const double s = std::sin(a);
    const double c = std::cos(a);
    const PointF base1{r + 0.2 * r * s, r - 0.2 * r * c};
    const PointF base2{r - 0.2 * r * s, r + 0.2 * r * c};
    return Needle{{base1, base2, PointF{r + r * c, r + r * s}}, {base1, base2, PointF{r - r * c, r - r * s}}};
}
