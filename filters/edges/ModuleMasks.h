// The masks in the module's own resources, kept once read: the gallery
// shows many of them and a run blends with one.
#pragma once

#include "filters/edges/EdgeMask.h"

#include <cstdint>

// The mask of that resource number, or null when the module has no such
// bitmap or it is no 8-bit mask. Valid while the module is loaded.
const EdgeMask* ModuleMask(int32_t resource);
