#include "filters/art/frame/ArtHostDetection.h"

#include "filters/art/frame/ArtModuleState.h"
#include "filters/art/frame/PreviewCrop.h"
#include "filters/frame/FilterModuleState.h"
#include "filters/frame/HostDetection.h"
#include "filters/frame/HostRoutines.h"

void ArtDetectHost(FilterRecord* record)
{
    DetectHost(record);
    ChooseArtRoutines(FrameState().hostNumber);
}

void ChooseArtRoutines(int32_t hostNumber)
{
    if (hostNumber < 0 || hostNumber > 5)
        return;
    FilterModuleState& state = FrameState();
    state.fetchPreview = FetchCrop;
    state.fillPixelMap = FillPixelMap;
    state.advanceHost = hostNumber >= 4 ? DeferToHost : CallAdvanceState;
    // Only these hosts deliver a rectangle anywhere in the image whenever
    // asked.
    ArtState().movablePreview = hostNumber == 0 || hostNumber == 2 || hostNumber == 3;
}
