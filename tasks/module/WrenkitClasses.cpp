#include "tasks/module/WrenkitClasses.h"

#include "tasks/module/Task_Artwork.h"
#include "tasks/module/Task_Easy.h"
#include "tasks/module/Task_Finish.h"
#include "tasks/module/Task_Retouch.h"
#include "tasks/module/Task_Start.h"
#include "tasks/module/Tool_Copier.h"
#include "tasks/module/Tool_Fax.h"
#include "tasks/module/Tool_Frame.h"
#include "tasks/module/Tool_ScreenSave.h"
#include "tasks/module/Tool_Wallpaper.h"

#include <array>

namespace wrenkit {

namespace {

// The order is the bar's: index 0 is the task the editor starts with.
const fw::RuntimeClass* const kTasks[] = {
    FW_RUNTIME_CLASS(CTask_Start),   FW_RUNTIME_CLASS(CTask_Easy),   FW_RUNTIME_CLASS(CTask_Retouch),
    FW_RUNTIME_CLASS(CTask_Artwork), FW_RUNTIME_CLASS(CTask_Finish),
};

// Every tool has its fixed index; one not built into the module yet gives
// no class, which the editor skips.
constexpr size_t kToolCount = 61;

std::array<const fw::RuntimeClass*, kToolCount> MakeTools()
{
    std::array<const fw::RuntimeClass*, kToolCount> tools{};
    // Wizards.
    tools[54] = FW_RUNTIME_CLASS(CTool_Wallpaper);
    tools[55] = FW_RUNTIME_CLASS(CTool_ScreenSave);
    tools[57] = FW_RUNTIME_CLASS(CTool_Copier);
    tools[58] = FW_RUNTIME_CLASS(CTool_Fax);
    tools[60] = FW_RUNTIME_CLASS(CTool_Frame);
    return tools;
}

}  // namespace

std::span<const fw::RuntimeClass* const> TaskClasses() { return kTasks; }

std::span<const fw::RuntimeClass* const> ToolClasses()
{
    static const std::array<const fw::RuntimeClass*, kToolCount> tools = MakeTools();
    return tools;
}

}  // namespace wrenkit
