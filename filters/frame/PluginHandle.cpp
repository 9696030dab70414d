#include "filters/frame/PluginHandle.h"

#include "filters/frame/FilterModuleState.h"
#include "filters/sdk/PIHandles.h"

Handle NewPluginHandle(int32_t bytes)
{
    FilterModuleState& state = FrameState();
    state.handleError = 0;
    Handle h = NewHostHandle(bytes);
    if (!h)
        state.handleError = memFullErr;
    return h;
}
