#include "filters/art/frame/ArtDispatch.h"

#include "filters/art/frame/ArtAboutDialog.h"
#include "filters/art/frame/ArtHostDetection.h"
#include "filters/art/frame/PreviewCrop.h"
#include "filters/frame/FilterEngine.h"
#include "filters/frame/FilterModuleState.h"
#include "filters/frame/PluginHandle.h"
#include "filters/frame/PreviewTile.h"
#include "filters/sdk/PIHandles.h"

#include <new>

namespace {

// A new block gets the filter's defaults; a block the host kept keeps its
// values and only shows the dialog again.
int32_t Parameters(ArtFilter& filter, FilterRecord* record)
{
    if (!filter.KeepsParameters())
        return 0;
    Handle h = record->parameters;
    if (h && !IsValidHostHandle(h))
        return filterBadParameters; // not a handle of ours: nothing of it may be written
    if (h && GetHostHandleSize(h) >= filter.ParameterBytes()) {
        filter.SetShowDialog(h->data, 1);
        return 0;
    }
    if (!h) {
        h = NewPluginHandle(filter.ParameterBytes());
        if (!h)
            return memFullErr;
        record->parameters = h;
    } else if (SetHostHandleSize(h, filter.ParameterBytes()) != noErr) {
        return memFullErr;
    }
    ArtParams& params = *static_cast<ArtParams*>(h->data);
    params = ArtParams{};
    filter.SetDefaults(&params);
    params.showDialog = 1;
    return 0;
}

// The filter's block, made with the defaults when a host skipped
// Parameters on a first run; null for a filter without parameters, or
// with the reason in error.
ArtParams* Block(ArtFilter& filter, FilterRecord* record, int32_t& error)
{
    error = 0;
    if (!filter.KeepsParameters())
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
    return static_cast<ArtParams*>(record->parameters->data);
}

bool WantsDialog(const ArtParams* params) { return params && params->showDialog != 0; }

void RunEngine(FilterModuleState& state)
{
    state.engine->running = true;
    state.engine->RunOnHost();
}

void Continue(ArtFilter& filter, FilterModuleState& state)
{
    if (!state.engine) {
        state.result = filterBadParameters; // Continue without Start
        return;
    }
    int32_t error = 0;
    ArtParams* params = Block(filter, state.record, error);
    if (error != 0) {
        state.result = error;
        return;
    }
    if (!WantsDialog(params)) {
        RunEngine(state);
        return;
    }
    if (state.deferredAdvance && state.tile) {
        state.tile->Fetch(PreviewCropBox(state.record->filterRect), state.record);
        return;
    }
    if (!filter.RunDialog(params, state.tile.get(), state.engine.get())) {
        state.result = userCanceledErr;
        return;
    }
    params->showDialog = 0;
    RunEngine(state);
}

void Start(ArtFilter& filter, FilterModuleState& state)
{
    state.EndRun(); // what a run the host never finished left behind
    state.deferredAdvance = false;
    if (!filter.Available() || !state.advanceHost) {
        // A filter this build lacks, or Start without a host chosen at Prepare.
        state.result = filterBadParameters;
        return;
    }
    int32_t error = 0;
    ArtParams* params = Block(filter, state.record, error);
    if (error != 0) {
        state.result = error;
        return;
    }
    state.engine = filter.CreateEngine(state.record, params);
    if (!state.engine) {
        state.result = memFullErr;
        return;
    }
    if (WantsDialog(params)) {
        state.tile = std::make_unique<PreviewTile>();
        state.tile->Fetch(PreviewCropBox(state.record->filterRect), state.record);
        return;
    }
    Continue(filter, state);
}

void Dispatch(ArtFilter& filter, int16_t selector, FilterModuleState& state, ArtAbout about)
{
    switch (selector) {
    case filterSelectorAbout:
        // The record is an AboutRecord here: nothing of it is read.
        if (about == ArtAbout::Show)
            ShowArtAbout();
        break;
    case filterSelectorParameters: state.result = Parameters(filter, state.record); break;
    case filterSelectorPrepare:
        ArtDetectHost(state.record);
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

void ArtDispatch(ArtFilter& filter, int16_t selector, FilterRecord* record, int16_t* result, ArtAbout about)
{
    FilterModuleState& state = FrameState();
    if (selector < filterSelectorAbout || selector > filterSelectorFinish) {
        // An unknown selector leaves the run under way alone.
        if (result)
            *result = filterBadParameters;
        return;
    }
    if (selector != filterSelectorAbout)
        state.record = record;
    // Each call answers for itself: an error a host never followed with
    // Finish must not fail the next run.
    state.result = 0;
    if (!record && selector != filterSelectorAbout) {
        state.result = filterBadParameters;
    } else {
        try {
            Dispatch(filter, selector, state, about);
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
