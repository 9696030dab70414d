// Page curl: the seven-long block read as strength and type, no type
// written at Start; its engine computes rows rather than displacing.
#pragma once

#include "filters/rubber/SevenLongFilter.h"

class PageCurlFilter : public SevenLongFilter {
public:
    std::unique_ptr<FilterEngine> CreateEngine(FilterRecord* record, void* block) override;
    bool RunDialog(void* block, PreviewTile* tile, FilterEngine* engine) override;
};
