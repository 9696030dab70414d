// The Warp filter as the dispatcher sees it: its 2056-byte block, which
// Parameters makes when the host has none and otherwise keeps (only asking
// for the dialog), no About, the preview fetched into 250 x 250, and the
// block's size asked of the host at Prepare.
#pragma once

#include "filters/frame/FilterDefinition.h"

class WarpFilter : public FilterDefinition {
public:
    WarpFilter();

    void SetDefaults(void*) const override {}
    bool ResetsOnParameters() const override { return false; }
    bool HasAbout() const override { return false; }
    int32_t BufferSpace() const override;
    std::unique_ptr<FilterEngine> CreateEngine(FilterRecord* record, void* block) override;
    bool RunDialog(void* block, PreviewTile* tile, FilterEngine* engine) override;
};
