// What the module's five tasks have in common: a task button serves any
// picture and works without one, since choosing a task only shows its tools.
// No run-time record of its own: each task's record names CLdTask as its
// base, the class the editor looks for.
#pragma once

#include "editor/loadable/LdTask.h"

class CWrenkitTask : public CLdTask {
public:
    int AcceptsAnyPicture() override { return 1; }
    int NeedsDocument() override { return 0; }

protected:
    CWrenkitTask(std::string name, int32_t titleId, int32_t tipId, int32_t commentId, int32_t bitmapId,
                 int32_t helpId)
        : CLdTask(std::move(name), titleId, tipId, commentId, bitmapId, helpId)
    {
        guided_ = 0;
    }
};
