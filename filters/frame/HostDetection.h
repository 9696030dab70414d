// Which host the module runs under, asked of the user when unknown or when
// the host's signature changed since the last choice, and the pixel routines
// that go with it.
#pragma once

#include "filters/sdk/PIFilter.h"

void DetectHost(FilterRecord* record);
