// The needle the angle displays draw: a red half pointing in the direction
// of the angle and a blue half pointing away, on a common base across the
// centre of the square of the given side. Angles grow clockwise on the
// screen from pointing right.
#pragma once

#include <array>
#include <cstdint>

struct AngleNeedle {
    struct Point {
        double x;
        double y;
    };
    // pi taken as 3.14159, as the dials have always turned.
    static constexpr double kRadiansPerDegree = 0.01745327777777778;

    std::array<Point, 3> red;
    std::array<Point, 3> blue;

    static AngleNeedle Of(int32_t side, int32_t degrees);
};
