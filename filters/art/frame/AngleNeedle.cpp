#include "filters/art/frame/AngleNeedle.h"

#include <cmath>

AngleNeedle AngleNeedle::Of(int32_t side, int32_t degrees)
{
    const double r = side / 2;
    const double a = degrees * kRadiansPerDegree;
    const double s = std::sin(a);
    const double c = std::cos(a);
    const Point base1{r + 0.2 * r * s, r - 0.2 * r * c};
    const Point base2{r - 0.2 * r * s, r + 0.2 * r * c};
    return AngleNeedle{{base1, base2, Point{r + r * c, r + r * s}}, {base1, base2, Point{r - r * c, r - r * s}}};
}
