// The frame's own windows: the host-changed message, the host selection and
// the About box. Without a GUI application in the process nothing can be
// asked: the message is skipped and the dialogs end as cancelled.
#pragma once

#include <cstdint>

bool FrameGuiAvailable();
void ShowHostChangedMessage();
// True when the user chose a host with OK; hostNumber is the row chosen.
bool AskForHost(uint32_t hostSig, int32_t& hostNumber);
void ShowAbout();
