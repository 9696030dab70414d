// The host-dependent pixel routines: how the preview is fetched, how its
// pixel map is filled and how the module asks the host for the rectangles
// it wrote into the record. Host detection picks one set per host number.
#pragma once

#include "filters/frame/FilterModuleState.h"

// The host reduces the image itself (inputRate); the tile uses the host's
// buffers.
int32_t FetchBySampling(const VBox& box, PreviewTile& tile);
// The whole filter area in one request, reduced by the module.
int32_t FetchWholeRect(const VBox& box, PreviewTile& tile);
// One source row per request; resumable when the host delivers rows by
// Continue.
int32_t FetchRowByRow(const VBox& box, PreviewTile& tile);

void FillPixelMap(PreviewTile& tile);

// Asks the host's advanceState; its answer becomes the result word.
int32_t CallAdvanceState();
// Leaves the request in the record for the host's next Continue: answers
// nonzero with the result word 0 and DeferredAdvance set.
int32_t DeferToHost();

// A deferred answer: the host delivers on the next Continue.
bool AdvanceDeferred();

// Sets the routines of host number (0..5); other numbers change nothing.
void ChooseHostRoutines(int32_t hostNumber);
