// What the editor hands a plug-in run besides its work areas: the progress
// function, which shows the evaluation's progress indicator once the
// plug-in reports a step and passes the user's cancel back to it, and the
// display function, which draws the pixels a plug-in shows in its preview.
#pragma once

#include <cstdint>

#include "pluginhost/PIHostTypes.h"

class QnEvalControl;
class QnProgressIndicator;

// The progress indicator of one run, taken from the evaluation's control
// (none without one). Whether the run ends or throws, the indicator is
// hidden and released. One run at a time: the plug-in host is not
// re-entrant, and the state is shared.
class PlugInRunProgress {
public:
    explicit PlugInRunProgress(QnEvalControl* control);
    ~PlugInRunProgress();
    PlugInRunProgress(const PlugInRunProgress&) = delete;
    PlugInRunProgress& operator=(const PlugInRunProgress&) = delete;
};

// phase 0 starts (nothing shown yet), 2 ends (the indicator is hidden),
// any other phase shows the indicator with (a, b) done; nonzero asks the
// plug-in to stop.
int32_t ProgressFunction(int32_t phase, int32_t a, int32_t b);
// Draws the pixel map, unscaled, onto the DeviceContext given as its
// platform context, at its destination row and column.
void DisplayFunction(const tagPIPIXELMAP* pixelMap);
