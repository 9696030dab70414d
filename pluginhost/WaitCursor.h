// The wait cursor for the length of a scope.
#pragma once

#include "pluginhost/PlugInUi.h"

class WaitCursor {
public:
    explicit WaitCursor(PlugInUi& ui) : ui_(ui) { ui_.BeginWaitCursor(); }
    ~WaitCursor() { ui_.EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    PlugInUi& ui_;
};
