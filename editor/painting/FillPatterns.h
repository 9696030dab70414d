// The seven fill patterns: a plain colour and six gradients from the first
// colour to the second, laid out over the fill area (width w, height h) and
// read at the offset (u, v) from its top-left corner.
#pragma once

#include <cstdint>

enum FillKind : int32_t {
    FILL_PLAIN = 0,
    FILL_VERTICAL = 1,
    FILL_HORIZONTAL = 2,
    FILL_RIGHT = 3,
    FILL_LEFT = 4,
    FILL_RECTANGLE = 5,
    FILL_ROUND = 6,
};

// The pattern's level between a (its start) and b (its end) at (u, v).
// Unknown kinds give a; an area too thin for a gradient's divisor gives a.
int32_t FillPatternLevel(int32_t kind, int32_t a, int32_t b, int32_t w, int32_t h, int32_t u, int32_t v);
