// HueSat, hue and saturation of three-plane pictures, on a hue circle of
// 1536 steps. Param1 is the saturation change (-255..255), Param2 the hue
// shift in degrees (0..359). Other pictures are left as they are.
#pragma once

#include "filters/photo/PhotoFilter.h"

#include <cstdint>

// One pixel; px holds planes 0, 1 and 2 and is changed in place.
void HueSatPixel(uint8_t px[3], int32_t p1, int32_t p2);

class HueSatFilter : public PhotoFilter {
public:
    HueSatFilter();

    void ParamDefaults(ArtParams& params) const override;
    std::unique_ptr<FilterEngine> MakeEngine(FilterRecord* record, ArtParams* params) override;
    std::unique_ptr<ArtFilterDialog> MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine) override;
};
