// The angle control apart from its window: the needle's angle, the drag
// that turns it from wherever on the dial it was grabbed, the arrow keys,
// and the outline of the needle. The control keeps an internal angle
// (0 = pointing right, growing clockwise on the screen) and reports it
// turned by a quarter, so that 0 points up.
#pragma once

#include <array>
#include <cstdint>

class AngleControlModel {
public:
    // Scroll-bar codes the control reports with.
    static constexpr uint32_t kThumbPosition = 4;
    static constexpr uint32_t kThumbTrack = 5;
    // pi taken as 3.14159, both ways, as the dial has always turned.
    static constexpr double kRadiansPerDegree = 0.01745327777777778;
    static constexpr double kDegreesPerRadian = 57.29582790879778;

    int32_t Angle() const { return angle_; }
    void SetAngle(int32_t internal) { angle_ = internal; }
    // (internal + 90) mod 360, never negative.
    int32_t Reported() const { return Reported(angle_); }
    static int32_t Reported(int32_t internal);
    // The direction of (dx, dy) from the centre in whole degrees, truncated.
    static int32_t DegreesOf(int32_t dx, int32_t dy);

    // Mouse positions are relative to the control's centre. Press starts a
    // drag that keeps the needle's offset from the grabbed point.
    void Press(int32_t dx, int32_t dy);
    // True when the drag turned the needle (a thumb-track report is due).
    bool Move(int32_t dx, int32_t dy);
    // True when a drag ended (a thumb-position report is due).
    bool Release();
    bool Dragging() const { return dragging_; }
    // Turns the needle by degrees from the keyboard (clockwise positive).
    void Turn(int32_t degrees);

    struct PointF {
        double x;
        double y;
    };
    // The red half points in the needle's direction, the blue half away;
    // both share the base across the centre of the square of side.
    struct Needle {
        std::array<PointF, 3> red;
        std::array<PointF, 3> blue;
    };
    static Needle NeedleOf(int32_t side, int32_t internal);

private:
    int32_t angle_ = 0;
    int32_t dragOffset_ = 0;
    bool dragging_ = false;
};
