// What a frame's bars (dialog bars, the status bar) share: at idle time the
// frame asks each visible bar to update its controls through a command target.
#pragma once

namespace fw {

class CmdTarget;

class ControlBar {
public:
    virtual ~ControlBar() = default;
    // Updates the bar's controls by routing their ids through target;
    // controls whose command nobody handles are disabled when asked.
    virtual void OnUpdateCmdUI(CmdTarget* target, bool disableIfNoHandler) = 0;
};

}  // namespace fw
