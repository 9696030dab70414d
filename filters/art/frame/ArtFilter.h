// One filter of the art module as the frame's dispatcher sees it: its
// settings section, dialog and help context, the defaults of its ArtParams
// block, its engine and its dialog, and the module's hooks: a block the
// host kept keeps its values, the host detection picks the crop preview,
// the preview is a crop centred in the filter area, and About is answered
// only by the entry that asks for it. Filters without parameters (no
// section) keep no block and run without a dialog.
#pragma once

#include "filters/art/frame/ArtParams.h"
#include "filters/frame/FilterDefinition.h"

#include <cstdint>
#include <memory>

class ArtFilterDialog;

enum class ArtAbout { Ignore, Show };

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
    // Whether the entry under way answers About.
    void SetAbout(ArtAbout about) { about_ = about; }

    // The filter's Param1..Param7 and ring; ShowDialog is the dispatcher's.
    virtual void Defaults(ArtParams& params) const = 0;
    // The engine of one run; params is null for a filter without
    // parameters. Null when memory runs out.
    virtual std::unique_ptr<FilterEngine> MakeEngine(FilterRecord* record, ArtParams* params) = 0;
    // The dialog over the preview; null for a filter without one.
    virtual std::unique_ptr<ArtFilterDialog> MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine);

    void SetDefaults(void* block) const final;
    bool ResetsOnParameters() const final { return false; }
    bool KeepsBlock() const final { return KeepsParameters(); }
    void Prepare(FilterRecord* record) final;
    void About() final;
    VBox PreviewBox(const FilterRecord& record, bool resuming) const final;
    std::unique_ptr<FilterEngine> CreateEngine(FilterRecord* record, void* block) final;
    bool RunDialog(void* block, PreviewTile* tile, FilterEngine* engine) final;

private:
    ArtFilterInfo info_;
    ArtAbout about_ = ArtAbout::Ignore;
};
