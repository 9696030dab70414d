// Included by a task or tool module (built with hidden visibility) for the
// declarations of the entries it defines, so that their signatures and
// export cannot drift from what the editor calls (LdExports.h).
#pragma once

#include "editor/loadable/LdExports.h"

#define LD_EXPORT __attribute__((visibility("default")))

extern "C" {
LD_EXPORT int32_t CountTasks();
LD_EXPORT const fw::RuntimeClass* TaskInit(uint32_t index);
LD_EXPORT int32_t CountTools();
LD_EXPORT const fw::RuntimeClass* ToolInit(uint32_t index);
}
