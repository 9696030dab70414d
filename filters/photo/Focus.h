// Focus: a box blur, or an unsharp sharpening against a 3 x 3 box mean.
// Param1 runs 1..9 and is shown as -4..4: below 5 sharpens, above 5 blurs
// over a wider window, 5 keeps the picture. Only one- and three-plane
// pictures are filtered; others are left as they are.
#pragma once

#include "filters/photo/PhotoFilter.h"

#include <cstdint>

struct FocusSetting {
    // The box's side, and the sharpening strength (0: the mean itself).
    int32_t window;
    int32_t sharpen;
};

// The setting of Param1, held to the slider's range.
FocusSetting FocusTable(int32_t p1);
// One output row from the window's rows (oldest first, each from its first
// margin pixel; margin >= the window).
void FocusRow(const uint8_t* const* rows, FocusSetting setting, int32_t margin, int32_t width, int32_t planes,
              uint8_t* out);

class FocusFilter : public PhotoFilter {
public:
    FocusFilter();

    void ParamDefaults(ArtParams& params) const override;
    std::unique_ptr<FilterEngine> MakeEngine(FilterRecord* record, ArtParams* params) override;
    std::unique_ptr<ArtFilterDialog> MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine) override;
};
