// The parameter handle a module makes at Parameters: a 'FOTO' handle of the
// allocator that the hosts share, so that the host can keep, copy and free
// it. The module never frees it.
#pragma once

#include "filters/sdk/PIFilter.h"

// A handle with a zero-filled data block of bytes; null (and the handle
// error word memFullErr) when memory runs out. Nothing is left allocated
// when it fails.
Handle NewPluginHandle(int32_t bytes);
