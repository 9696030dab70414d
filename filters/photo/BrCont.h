// BrCont, brightness and contrast: every sample scaled by the contrast and
// shifted by the brightness. Param1 is brightness + 255 (0..510), Param2
// the contrast (0..100, 50 keeps the sample).
#pragma once

#include "filters/photo/PhotoFilter.h"

#include <cstdint>

uint8_t BrContSample(uint8_t in, int32_t p1, int32_t p2);

class BrContFilter : public PhotoFilter {
public:
    BrContFilter();

    void ParamDefaults(ArtParams& params) const override;
    std::unique_ptr<FilterEngine> MakeEngine(FilterRecord* record, ArtParams* params) override;
    std::unique_ptr<ArtFilterDialog> MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine) override;
};
