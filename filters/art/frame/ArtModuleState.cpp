#include "filters/art/frame/ArtModuleState.h"

ArtModuleState& ArtState()
{
    static ArtModuleState state;
    return state;
}
