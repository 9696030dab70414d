#include "tasks/module/WrenkitClasses.h"

#include "tasks/module/Task_Artwork.h"
#include "tasks/module/Task_Easy.h"
#include "tasks/module/Task_Finish.h"
#include "tasks/module/Task_Retouch.h"
#include "tasks/module/Task_Start.h"

namespace wrenkit {

namespace {

// The order is the bar's: index 0 is the task the editor starts with.
const fw::RuntimeClass* const kTasks[] = {
    FW_RUNTIME_CLASS(CTask_Start),   FW_RUNTIME_CLASS(CTask_Easy),   FW_RUNTIME_CLASS(CTask_Retouch),
    FW_RUNTIME_CLASS(CTask_Artwork), FW_RUNTIME_CLASS(CTask_Finish),
};

}  // namespace

std::span<const fw::RuntimeClass* const> TaskClasses() { return kTasks; }

// No tool class is built into the module yet; each one's record is added
// here at its index.
std::span<const fw::RuntimeClass* const> ToolClasses() { return {}; }

}  // namespace wrenkit
