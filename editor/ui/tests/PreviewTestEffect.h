// What the preview tests apply as an effect: a built-in that notes the
// picture it was given and answers a picture of the same size in one
// colour, and a ramp picture whose every pixel tells where it lies.
#pragma once

#include "lang/Expr.h"
#include "picture/Picture.h"
#include "render/RenderObj.h"

#include <QRgb>

struct PreviewTestEffect {
    static constexpr uint32_t kColour = 0x000000FFu;  // red, as a colour reference
    static constexpr QRgb kShown = 0xFFFF0000u;

    // The effect as a function expression; every call is noted below.
    static PpQnExpr Function();
    static int calls;
    static PpQnRenderObj lastArgument;
    static void Reset();
};

// Blue = x mod 256, green = x / 256, red = y.
PpQnPicture RampPicture(int32_t width, int32_t height);
QRgb RampPixel(int32_t x, int32_t y);
