// The four entries by which the editor binds a task or tool module: plain C
// functions exported by name. A module exports the pair of each kind it
// offers; a count below 1 offers none, and an index at or beyond the count
// (a negative one counts as large) gives null.
#pragma once

#include <cstdint>

#include "framework/RuntimeClass.h"

extern "C" {
using LdCountProc = int32_t();
using LdInitProc = const fw::RuntimeClass*(uint32_t index);
}

inline constexpr char kLdCountTasks[] = "CountTasks";
inline constexpr char kLdTaskInit[] = "TaskInit";
inline constexpr char kLdCountTools[] = "CountTools";
inline constexpr char kLdToolInit[] = "ToolInit";
