// The ratio between sketch coordinates and the device a sketch is drawn on:
// the calendar page is laid out once in sketch units and drawn at any zoom
// and on any printer through one of these.
#pragma once

#include <cstdint>

#include "render/Rect.h"

struct CVScale {
    int32_t originX = 0;  // kept for the stored layout; nothing reads them
    int32_t originY = 0;
    int32_t xDen = 100;
    int32_t xNum = 100;
    int32_t yDen = 100;
    int32_t yNum = 100;

    // n percent on both axes.
    void Init(int32_t n);

    // Sketch to device, rounded to nearest.
    QnPoint ToDevice(const QnPoint& p) const;
    QnRect ToDevice(const QnRect& r) const;
    int32_t LengthToDevice(int32_t l) const;
    // Device to sketch, truncated.
    QnPoint ToSketch(const QnPoint& p) const;
    QnRect ToSketch(const QnRect& r) const;
    int32_t LengthToSketch(int32_t l) const;
};
