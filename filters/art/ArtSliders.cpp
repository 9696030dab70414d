#include "filters/art/ArtSliders.h"

#include <algorithm>

ArtParams HeldToSliders(const ArtParams& params, std::span<const ArtSlider> sliders)
{
    ArtParams held = params;
    for (const ArtSlider& s : sliders)
        held.Param(s.param) = std::clamp(held.Param(s.param), s.min, s.max);
    return held;
}

void SliderDefaults(ArtParams& params, std::span<const ArtSlider> sliders)
{
    for (const ArtSlider& s : sliders)
        params.Param(s.param) = s.preset;
}
