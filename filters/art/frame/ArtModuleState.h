// What the art module keeps beside the frame's module-wide state: whether
// the host delivers any rectangle on request (so the preview may be
// dragged), and the module's own copy of the C library's random generator.
#pragma once

#include "platform/WinRand.h"

#include <cstdint>

struct ArtModuleState {
    // Set by host detection: the user may drag the preview across the image.
    bool movablePreview = false;
    // The module never seeds it from the clock: a fresh load repeats the
    // same sequence.
    platform::WinRand rand;
};

ArtModuleState& ArtState();

// The next number of the module's generator, 0 to 32767.
inline int32_t ArtRand() { return ArtState().rand.Next(); }

// Starts the module's sequence over, as a fresh load has it. Every run of an
// engine starts so, whatever previews and paints drew before it, so that a
// picture computed again (undo, redo, a run with the kept parameters) gets
// the same pixels as the run the user saw.
inline void RestartArtRand() { ArtState().rand.Seed(1); }
