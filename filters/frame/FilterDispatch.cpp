#include "filters/frame/FilterDispatch.h"

#include "filters/frame/FilterEngine.h"
#include "filters/frame/FilterModuleApp.h"
#include "filters/frame/FilterModuleState.h"
#include "filters/frame/FrameUi.h"
#include "filters/frame/HostDetection.h"
#include "filters/frame/PluginHandle.h"
#include "filters/frame/PreviewTile.h"
#include "filters/sdk/PIHandles.h"

#include <new>

namespace {

// The first fetch sizes the tile within the filter's box; a resumed fetch
// keeps that size.
constexpr VBox kResumeBox{0, 0, 180, 180};

int32_t Parameters(FilterDefinition& filter, FilterRecord* record)
{
    Handle h = record->parameters;
    const bool made = !h;
    if (!h) {
        h = NewPluginHandle(filter.ParameterBytes());
        if (!h)
            return memFullErr;
        record->parameters = h;
    } else if (!IsValidHostHandle(h)) {
        // Not a handle of ours: nothing of it may be written.
        return filterBadParameters;
    } else if (GetHostHandleSize(h) < filter.ParameterBytes() &&
               SetHostHandleSize(h, filter.ParameterBytes()) != noErr) {
        return memFullErr;
    }
    // A fresh block is zero-filled; one kept by the host keeps its values
    // for filters whose dialog starts from its settings.
    if (made || filter.ResetsOnParameters())
        filter.SetDefaults(h->data);
    filter.SetShowDialog(h->data, 1);
    return 0;
}

// The filter's block; a host that skipped Parameters on a first run gets the
// defaults and the dialog. Null, with the reason in error, when the record's
// handle cannot hold the block.
void* Block(FilterDefinition& filter, FilterRecord* record, int32_t& error)
{
    error = 0;
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
    if (!block) {
        state.result = error;
        return;
    }
    if (filter.ShowDialog(block) == 0) {
        RunEngine(state);
        return;
    }
    if (state.deferredAdvance && state.tile) {
        state.tile->Fetch(kResumeBox, state.record);
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
    if (!block) {
        state.result = error;
        return;
    }
    state.engine = filter.CreateEngine(state.record, block);
    if (!state.engine) {
        state.result = memFullErr;
        return;
    }
    filter.OnStart(block);
    if (filter.ShowDialog(block) != 0) {
        state.tile = std::make_unique<PreviewTile>();
        state.tile->Fetch(filter.PreviewBox(), state.record);
        return;
    }
    Continue(filter, state);
}

void Dispatch(FilterDefinition& filter, int16_t selector, FilterModuleState& state)
{
    switch (selector) {
    case filterSelectorAbout:
        // The record is an AboutRecord here: nothing of it is read.
        if (filter.HasAbout())
            ShowAbout();
        break;
    case filterSelectorParameters: state.result = Parameters(filter, state.record); break;
    case filterSelectorPrepare:
        DetectHost(state.record);
        state.record->bufferSpace = filter.BufferSpace();
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
