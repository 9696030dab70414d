#include "filters/frame/HostRoutines.h"

int32_t CallAdvanceState()
{
    FilterModuleState& state = FrameState();
    // A host without advanceState (one the user took for another) still
    // delivers the rectangles before its next Continue.
    if (!state.record || !state.record->advanceState)
        return DeferToHost();
    state.deferredAdvance = false;
    state.result = state.record->advanceState();
    return state.result;
}

int32_t DeferToHost()
{
    FilterModuleState& state = FrameState();
    state.result = 0;
    state.deferredAdvance = true;
    return 1;
}

bool AdvanceDeferred()
{
    const FilterModuleState& state = FrameState();
    return state.deferredAdvance && state.result == 0;
}

void ChooseHostRoutines(int32_t hostNumber)
{
    FilterModuleState& state = FrameState();
    switch (hostNumber) {
    case 0:
    case 3: state.fetchPreview = FetchBySampling; break;
    case 1: state.fetchPreview = FetchWholeRect; break;
    case 2:
    case 4:
    case 5: state.fetchPreview = FetchRowByRow; break;
    default: return;
    }
    state.fillPixelMap = FillPixelMap;
    state.advanceHost = hostNumber >= 4 ? DeferToHost : CallAdvanceState;
}
