// One filter of a module as its dispatcher sees it: the size and defaults of
// its parameter block, where the block keeps its ShowDialog and spare longs,
// the engine that filters, the parameter dialog, and the hooks in which the
// modules' dispatchers differ (host detection, About, the preview's box,
// whether the filter keeps a block at all).
#pragma once

#include "filters/frame/FilterModuleState.h"
#include "filters/sdk/PIFilter.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class FilterEngine;
class PreviewTile;

class FilterDefinition {
public:
    static constexpr size_t kNoSpare = SIZE_MAX;

    // The block is bytes long; ShowDialog and the spare long (kNoSpare:
    // none) are 32-bit fields at the offsets given.
    FilterDefinition(int32_t bytes, size_t showDialogOffset, size_t spareOffset = kNoSpare);
    virtual ~FilterDefinition() = default;

    int32_t ParameterBytes() const { return bytes_; }
    int32_t ShowDialog(const void* block) const;
    void SetShowDialog(void* block, int32_t value) const;
    void ClearSpare(void* block) const;

    // Writes the filter's defaults into a zero-filled or used block.
    virtual void SetDefaults(void* block) const = 0;
    // False for filters whose Parameters keeps the stored values: the block
    // is only made when the host has none (or one too short for it), and
    // their dialog starts from its settings instead of defaults.
    virtual bool ResetsOnParameters() const { return true; }
    // False for a filter without parameters: it keeps no block, shows no
    // dialog and filters at once.
    virtual bool KeepsBlock() const { return true; }
    // Host detection at Prepare.
    virtual void Prepare(FilterRecord* record);
    // The About selector; the record is an AboutRecord then.
    virtual void About();
    // False for filters that ignore the About selector (the default About).
    virtual bool HasAbout() const { return true; }
    // What Start writes into the block before the run (the filter's type,
    // for filters that share a block layout and an engine).
    virtual void OnStart(void*) const {}
    // The memory Prepare tells the host the filter needs besides the bands
    // (bufferSpace).
    virtual int32_t BufferSpace() const { return 0; }
    // The box the preview is fetched into at Start (resuming false) and
    // again while the host delivers it by Continue (resuming true).
    virtual VBox PreviewBox(const FilterRecord& record, bool resuming) const;
    // The engine of one run over record (block is null for a filter that
    // keeps none); null when memory runs out.
    virtual std::unique_ptr<FilterEngine> CreateEngine(FilterRecord* record, void* block) = 0;
    // The parameter dialog over the preview; true when it ended with OK.
    virtual bool RunDialog(void* block, PreviewTile* tile, FilterEngine* engine) = 0;

protected:
    // The box of the preview at Start for the frame's default PreviewBox.
    virtual VBox StartBox() const { return VBox{0, 0, 250, 250}; }

private:
    int32_t bytes_;
    size_t showDialogOffset_;
    size_t spareOffset_;
};
