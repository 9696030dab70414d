// Solar, solarisation: every sample through a table that rises to 255 and
// then falls back, the fall the longer the stronger Param1 (0..255).
#pragma once

#include "filters/photo/PhotoFilter.h"

#include <array>
#include <cstdint>

std::array<uint8_t, 256> SolarTable(int32_t strength);

class SolarFilter : public PhotoFilter {
public:
    SolarFilter();

    void ParamDefaults(ArtParams& params) const override;
    std::unique_ptr<FilterEngine> MakeEngine(FilterRecord* record, ArtParams* params) override;
    std::unique_ptr<ArtFilterDialog> MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine) override;
};
