// The Rubber filter as the module's dispatcher sees it: its parameter
// block, its engine and its dialog.
#pragma once

#include "filters/frame/FilterDefinition.h"

class RubberFilter : public FilterDefinition {
public:
    RubberFilter();

    void SetDefaults(void* block) const override;
    std::unique_ptr<FilterEngine> CreateEngine(FilterRecord* record, void* block) override;
    bool RunDialog(void* block, PreviewTile* tile, FilterEngine* engine) override;
};
