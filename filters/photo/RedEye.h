// RedEye, red-eye removal on three-plane pictures (red, green, blue): the
// red of a pixel where it dominates is pulled toward green and blue. Param1
// is the strength (0..100), Param2 the balance between green and blue
// (0..100). Other pictures are left as they are.
#pragma once

#include "filters/photo/PhotoFilter.h"

#include <cstdint>

// One pixel; px holds planes 0, 1 and 2 and is changed in place.
void RedEyePixel(uint8_t px[3], int32_t p1, int32_t p2);

class RedEyeFilter : public PhotoFilter {
public:
    RedEyeFilter();

    void ParamDefaults(ArtParams& params) const override;
    std::unique_ptr<FilterEngine> MakeEngine(FilterRecord* record, ArtParams* params) override;
    std::unique_ptr<ArtFilterDialog> MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine) override;
};
