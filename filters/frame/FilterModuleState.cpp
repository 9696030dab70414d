#include "filters/frame/FilterModuleState.h"

#include "filters/frame/FilterEngine.h"
#include "filters/frame/PreviewTile.h"

FilterModuleState::FilterModuleState() = default;
FilterModuleState::~FilterModuleState() = default;

void FilterModuleState::EndRun()
{
    tile.reset();
    engine.reset();
}

FilterModuleState& FrameState()
{
    static FilterModuleState state;
    return state;
}
