// The run-time class records of the module's tasks and tools, in the order
// of their indexes in TaskInit and ToolInit.
#pragma once

#include <span>

#include "framework/RuntimeClass.h"

namespace wrenkit {

std::span<const fw::RuntimeClass* const> TaskClasses();
std::span<const fw::RuntimeClass* const> ToolClasses();

}  // namespace wrenkit
