// One filter of the art module as its dispatcher sees it: its settings
// section, dialog and help context, the defaults of its ArtParams block,
// its engine and its dialog. Filters without parameters (no section) keep
// no block and run without a dialog.
#pragma once

#include "filters/art/frame/ArtParams.h"
#include "filters/frame/FilterDefinition.h"

#include <cstdint>
#include <memory>

class ArtFilterDialog;

struct ArtFilterInfo {
    // The INI section of Param1..Param7; null for a filter without
    // parameters.
    const char* section;
    // The dialog's template and help context numbers.
    uint32_t templateId;
    uint32_t helpContext;
};

class ArtFilter : public FilterDefinition {
public:
    explicit ArtFilter(const ArtFilterInfo& info);

    const ArtFilterInfo& Info() const { return info_; }
    bool KeepsParameters() const { return info_.section != nullptr; }
    // False for an entry whose filter this build does not carry: its runs
    // are refused at Start.
    virtual bool Available() const { return true; }

    // The filter's Param1..Param7 and ring; ShowDialog is the dispatcher's.
    virtual void Defaults(ArtParams& params) const = 0;
    // The engine of one run; params is null for a filter without
    // parameters. Null when memory runs out.
    virtual std::unique_ptr<FilterEngine> MakeEngine(FilterRecord* record, ArtParams* params) = 0;
    // The dialog over the preview; null for a filter without one.
    virtual std::unique_ptr<ArtFilterDialog> MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine);

    void SetDefaults(void* block) const final;
    std::unique_ptr<FilterEngine> CreateEngine(FilterRecord* record, void* block) final;
    bool RunDialog(void* block, PreviewTile* tile, FilterEngine* engine) final;

private:
    ArtFilterInfo info_;
};
