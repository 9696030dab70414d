// What the plug-in host shows: the wait cursor, the registration window of
// a scan, the folders dialog and the colour chooser. The editor supplies the
// real ones; this base shows nothing, which is what tests and a host without
// a display get.
#pragma once

#include <cstdint>
#include <string>

class PlugInFolderList;

class PlugInUi {
public:
    virtual ~PlugInUi() = default;

    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}

    // The registration window while the modules of new folders are read.
    virtual void ShowRegistration(int32_t /*total*/, const std::string& /*text*/) {}
    virtual void SetRegistrationModule(const std::string& /*path*/) {}
    virtual void SetRegistrationName(const std::string& /*name*/) {}
    virtual void StepRegistration(int32_t /*done*/) {}
    virtual void HideRegistration() {}

    // The modal folders dialog over a copy of the list; true when it ended
    // with OK (the list then holds the user's folders).
    virtual bool EditFolders(void* /*owner*/, PlugInFolderList& /*folders*/) { return false; }

    // The colour chooser, starting at a colour (0x00BBGGRR); true and the
    // chosen colour, or false when the user cancelled.
    virtual bool ChooseColour(void* /*owner*/, uint32_t /*start*/, uint32_t& /*chosen*/) { return false; }
};
