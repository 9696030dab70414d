// Perspective: the seven-long block read as two tilts, no type written at
// Start; the one filter of the module beside Rubber with a property list
// of its own, so the plug-in host finds it by its folder scan.
#pragma once

#include "filters/rubber/SevenLongFilter.h"

class PerspectiveFilter : public SevenLongFilter {
public:
    std::unique_ptr<FilterEngine> CreateEngine(FilterRecord* record, void* block) override;
    bool RunDialog(void* block, PreviewTile* tile, FilterEngine* engine) override;
};
