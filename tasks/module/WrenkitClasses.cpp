#include "tasks/module/WrenkitClasses.h"

namespace wrenkit {

// No task or tool class is built into the module yet; each one's record is
// added here at its index.
std::span<const fw::RuntimeClass* const> TaskClasses() { return {}; }

std::span<const fw::RuntimeClass* const> ToolClasses() { return {}; }

}  // namespace wrenkit
