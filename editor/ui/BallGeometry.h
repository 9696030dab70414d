// What the ball button shows and how the mouse moves it: the ball stands at
// one of directionSteps directions and at one of maxDistance + 1 distances
// from the centre of a square control of width W, and the sphere round it
// is shaded per pixel. Positions are in client pixels, y growing downwards,
// so direction k is centred on the angle (k + 0.5) * 2pi / directionSteps
// measured clockwise on screen from the positive x axis.
#pragma once

#include "render/Rect.h"

#include <cstdint>

class CBallGeometry {
public:
    // Current steps, read by the owner.
    int32_t distance = 0;
    int32_t direction = 0;

    int32_t MaxDistance() const { return maxDistance_; }
    int32_t DirectionSteps() const { return directionSteps_; }

    // Store the value; true when it differed (callers repaint).
    bool SetDistance(int32_t value);
    bool SetDirection(int32_t value);
    // A distance beyond the new largest one is pulled back to it.
    void SetMaxDistance(int32_t value);
    // A direction beyond the new count is pulled back to the last one.
    void SetDirectionSteps(int32_t value);

    // The ball's radius in a control of width w.
    static int32_t BallRadius(int32_t w) { return w / 10; }
    static QnPoint Centre(int32_t w) { return QnPoint{w / 2, w / 2}; }
    // Radius of the sphere and of the ball.
    static int32_t SphereRadius(int32_t w) { return (w - 3) / 2; }

    QnPoint BallCentre(int32_t w) const;
    int32_t DirectionFromPoint(const QnPoint& p, int32_t w) const;
    int32_t DistanceFromPoint(const QnPoint& p, int32_t w) const;
    // Both from the mouse point; true when either changed.
    bool PlaceAt(const QnPoint& p, int32_t w);

    // Grey level of pixel (x, y) of the shaded sphere with the ball at
    // ballCentre: background grey outside the sphere, its rim blended half
    // with the background.
    static uint8_t SphereGrey(int32_t x, int32_t y, int32_t w, const QnPoint& ballCentre);

private:
    int32_t maxDistance_ = 1;
    int32_t directionSteps_ = 4;
};
