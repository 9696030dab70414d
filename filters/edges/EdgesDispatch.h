// The Edges module's own frame: one export, no host detection and no
// preview tile. It works with every host through the plain row protocol:
// each Continue handles the one row the host delivered, first to fill the
// gallery's thumbnail, then to blend. It never lets an exception out.
#pragma once

#include "filters/sdk/PIFilter.h"

void EdgesDispatch(int16_t selector, FilterRecord* record, int16_t* result);
