// The sliders of an art filter's dialog, each bound to one parameter, with
// its range, tick spacing and default. The same table holds a block's
// values to the ranges when an engine starts, so that a block edited by
// hand (or damaged) filters as the nearest value the dialog could have set.
#pragma once

#include "filters/art/frame/ArtParams.h"

#include <cstdint>
#include <span>

struct ArtSlider {
    // Param1 .. Param5: the dialog's slots 1001/1010, 1002/1012,
    // 1004/1013, 1006/1015, 1008/1018.
    int32_t param;
    const char* label;
    int32_t min;
    int32_t max;
    int32_t tick;
    int32_t preset;
};

// params with every slider's parameter held to its range.
ArtParams HeldToSliders(const ArtParams& params, std::span<const ArtSlider> sliders);
// Each slider's parameter at its default.
void SliderDefaults(ArtParams& params, std::span<const ArtSlider> sliders);
