// Explosions (family 0: Burst, Blot, Splash) and Collapses (family 3:
// Earth quake, Quick sands, Black hole): Start writes the family's first
// variant, which the dialog then replaces by the chosen one. Both share
// one engine and one dialog template.
#pragma once

#include "filters/rubber/SevenLongFilter.h"

class BurstFilter : public SevenLongFilter {
public:
    explicit BurstFilter(int32_t family);

    std::unique_ptr<FilterEngine> CreateEngine(FilterRecord* record, void* block) override;
    bool RunDialog(void* block, PreviewTile* tile, FilterEngine* engine) override;
};
