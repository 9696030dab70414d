// The parameter block of the Rubber filter, kept by the host in the run's
// parameter handle: where the user grabbed the picture and how far the
// grab was dragged, all in thousandths of the width and height of the area
// they were set on, so that a later run at the picture's own size repeats
// the stretch.
#pragma once

#include <cstddef>
#include <cstdint>

struct RubberParams {
    int32_t dragX;      // displacement of the grab, in thousandths
    int32_t dragY;
    int32_t grabX;      // the grabbed point, in thousandths
    int32_t grabY;
    int32_t spare;      // cleared before the dialog opens
    int32_t showDialog; // 1: the dialog runs at the next Start or Continue
};
static_assert(sizeof(RubberParams) == 24, "RubberParams is six longs");
static_assert(offsetof(RubberParams, grabX) == 8 && offsetof(RubberParams, spare) == 16 &&
                  offsetof(RubberParams, showDialog) == 20,
              "RubberParams layout");

// No drag: the grab in the middle, nothing moved; ShowDialog is left alone.
inline void ResetGrab(RubberParams& p)
{
    p.dragX = 0;
    p.dragY = 0;
    p.grabX = 500;
    p.grabY = 500;
    p.spare = 0;
}
