// Host detection of the art module: the frame's choice of the host, then
// the crop fetch for every host and whether the preview may be dragged.
#pragma once

#include "filters/sdk/PIFilter.h"

#include <cstdint>

void ArtDetectHost(FilterRecord* record);

// The art routines of host number (0..5); other numbers change nothing.
void ChooseArtRoutines(int32_t hostNumber);
