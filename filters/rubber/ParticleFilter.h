// Gravity (family 0), Wind (1) and Pixel storm (2): Start writes the
// family into the block; one engine, and the dialog of the family.
#pragma once

#include "filters/rubber/SevenLongFilter.h"

class ParticleFilter : public SevenLongFilter {
public:
    explicit ParticleFilter(int32_t family);

    std::unique_ptr<FilterEngine> CreateEngine(FilterRecord* record, void* block) override;
    bool RunDialog(void* block, PreviewTile* tile, FilterEngine* engine) override;
};
