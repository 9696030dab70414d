// What a filter module keeps of the run under way, shared by all its filters:
// a module serves one run at a time, and the host-dependent routines that
// host detection picks are module-wide too.
#pragma once

#include "filters/sdk/PIFilter.h"

#include <cstdint>
#include <memory>

class FilterEngine;
class PreviewTile;

struct VBox {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// The routines of one host mode (HostRoutines.h).
using FetchPreviewProc = int32_t (*)(const VBox& box, PreviewTile& tile);
using FillPixelMapProc = void (*)(PreviewTile& tile);
using AdvanceHostProc = int32_t (*)();

struct FilterModuleState {
    FilterModuleState();
    ~FilterModuleState();

    // The record of the entry call under way.
    FilterRecord* record = nullptr;
    // The result of the phase under way; its low 16 bits go to the host.
    int32_t result = 0;
    // Row of the host list, -1 while no host was chosen.
    int32_t hostNumber = -1;
    FetchPreviewProc fetchPreview = nullptr;
    FillPixelMapProc fillPixelMap = nullptr;
    AdvanceHostProc advanceHost = nullptr;
    // Set while a band is awaited from the host's next Continue.
    bool deferredAdvance = false;
    // The engine and preview of the run, from Start to Finish or failure.
    std::unique_ptr<FilterEngine> engine;
    std::unique_ptr<PreviewTile> tile;
    // 0, or memFullErr when the last parameter handle could not be made.
    int16_t handleError = 0;

    // Drops the engine and the tile of the run.
    void EndRun();
};

FilterModuleState& FrameState();
