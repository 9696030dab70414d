#include "filters/frame/FilterDispatch.h"

#include "filters/frame/FilterEngine.h"
#include "filters/frame/FilterModuleState.h"
#include "filters/frame/PluginHandle.h"
#include "filters/frame/PreviewTile.h"
#include "filters/sdk/PIHandles.h"

#include <cstring>
#include <new>

namespace {

int32_t Parameters(FilterDefinition& filter, FilterRecord* record)
{
    if (!filter.KeepsBlock())
        return 0;
    Handle h = record->parameters;
    bool fresh = false;
    if (!h) {
        h = NewPluginHandle(filter.ParameterBytes());
        if (!h)
            return memFullErr;
        record->parameters = h;
        fresh = true;
    } else if (!IsValidHostHandle(h)) {
        // Not a handle of ours: nothing of it may be written.
        return filterBadParameters;
    } else if (GetHostHandleSize(h) < filter.ParameterBytes()) {
        // Too short to be this filter's block: it starts over.
        if (SetHostHandleSize(h, filter.ParameterBytes()) != noErr)
            return memFullErr;
        std::memset(h->data, 0, size_t(filter.ParameterBytes()));
        fresh = true;
    }
    // A block kept by the host keeps its values for filters whose dialog
    // starts from its settings.
    if (fresh || filter.ResetsOnParameters())
        filter.SetDefaults(h->data);
    filter.SetShowDialog(h->data, 1);
    return 0;
}

// The filter's block; a host that skipped Parameters on a first run gets the
// defaults and the dialog. Null for a filter that keeps none, or with the
// reason in error when the record's handle cannot hold the block.
void* Block(FilterDefinition& filter, FilterRecord* record, int32_t& error)
{
    error = 0;
    if (!filter.KeepsBlock())
        return nullptr;
    if (!record->parameters) {
        error = Parameters(filter, record);
        if (error != 0)
            return nullptr;
    }
    if (!IsValidHostHandle(record->parameters) || GetHostHandleSize(record->parameters) < filter.ParameterBytes()) {
        error = filterBadParameters;
        return nullptr;
    }
    return record->parameters->data;
}

void RunEngine(FilterModuleState& state)
{
    state.engine->running = true;
    state.engine->RunOnHost();
}

void Continue(FilterDefinition& filter, FilterModuleState& state)
{
    if (!state.engine) {
        state.result = filterBadParameters; // Continue without Start
        return;
    }
    int32_t error = 0;
    void* block = Block(filter, state.record, error);
    if (error != 0) {
        state.result = error;
        return;
    }
    if (filter.ShowDialog(block) == 0) {
        RunEngine(state);
        return;
    }
    if (state.deferredAdvance && state.tile) {
        state.tile->Fetch(filter.PreviewBox(*state.record, true), state.record);
        return;
    }
    filter.ClearSpare(block);
    if (!filter.RunDialog(block, state.tile.get(), state.engine.get())) {
        state.result = userCanceledErr;
        return;
    }
    filter.SetShowDialog(block, 0);
    RunEngine(state);
}

void Start(FilterDefinition& filter, FilterModuleState& state)
{
    state.EndRun(); // what a run the host never finished left behind
    state.deferredAdvance = false;
    if (!state.advanceHost) {
        state.result = filterBadParameters; // Start without a host chosen at Prepare
        return;
    }
    int32_t error = 0;
    void* block = Block(filter, state.record, error);
    if (error != 0) {
        state.result = error;
        return;
    }
    state.engine = filter.CreateEngine(state.record, block);
    if (!state.engine) {
        state.result = memFullErr;
        return;
    }
    if (block)
        filter.OnStart(block);
    if (filter.ShowDialog(block) != 0) {
        state.tile = std::make_unique<PreviewTile>();
        state.tile->Fetch(filter.PreviewBox(*state.record, false), state.record);
        return;
    }
    Continue(filter, state);
}

void Dispatch(FilterDefinition& filter, int16_t selector, FilterModuleState& state)
{
    switch (selector) {
    case filterSelectorAbout: filter.About(); break;
    case filterSelectorParameters: state.result = Parameters(filter, state.record); break;
    case filterSelectorPrepare:
        filter.Prepare(state.record);
        // The user declined to name a host: nothing can be fetched.
        if (!state.advanceHost)
            state.result = userCanceledErr;
        break;
    case filterSelectorStart: Start(filter, state); break;
    case filterSelectorContinue: Continue(filter, state); break;
    case filterSelectorFinish:
        state.EndRun();
        state.result = 0;
        break;
    }
}

} // namespace

void FilterDispatch(FilterDefinition& filter, int16_t selector, FilterRecord* record, int16_t* result)
{
    FilterModuleState& state = FrameState();
    if (selector < filterSelectorAbout || selector > filterSelectorFinish) {
        // An unknown selector leaves the run under way alone.
        if (result)
            *result = filterBadParameters;
        return;
    }
    // An About record is no filter record: the run under way keeps its own.
    if (selector != filterSelectorAbout)
        state.record = record;
    // Each call answers for itself: an error a host never followed with
    // Finish must not fail the next run.
    state.result = 0;
    if (!record && selector != filterSelectorAbout) {
        state.result = filterBadParameters;
    } else {
        try {
            Dispatch(filter, selector, state);
        } catch (const std::bad_alloc&) {
            state.result = memFullErr;
        } catch (...) {
            state.result = filterBadParameters;
        }
    }
    if (state.result != 0)
        state.EndRun();
    if (result)
        *result = static_cast<int16_t>(state.result);
}
