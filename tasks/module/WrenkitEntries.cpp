// The module's four entries. They read only the constant class tables, so
// they can be called at any time and never throw.
#include "editor/loadable/LdModuleEntries.h"
#include "tasks/module/WrenkitClasses.h"

namespace {

const fw::RuntimeClass* At(std::span<const fw::RuntimeClass* const> classes, uint32_t index)
{
    return index < classes.size() ? classes[index] : nullptr;
}

}  // namespace

int32_t CountTasks() { return int32_t(wrenkit::TaskClasses().size()); }

const fw::RuntimeClass* TaskInit(uint32_t index) { return At(wrenkit::TaskClasses(), index); }

int32_t CountTools() { return int32_t(wrenkit::ToolClasses().size()); }

const fw::RuntimeClass* ToolInit(uint32_t index) { return At(wrenkit::ToolClasses(), index); }
