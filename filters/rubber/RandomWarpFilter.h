// Random deformations: Start writes Excitations into the block, which the
// dialog then replaces by the kind chosen; one engine, one dialog.
#pragma once

#include "filters/rubber/SevenLongFilter.h"

class RandomWarpFilter : public SevenLongFilter {
public:
    RandomWarpFilter();

    std::unique_ptr<FilterEngine> CreateEngine(FilterRecord* record, void* block) override;
    bool RunDialog(void* block, PreviewTile* tile, FilterEngine* engine) override;
};
