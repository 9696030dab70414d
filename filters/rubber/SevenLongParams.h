// The parameter block that every filter of rubber.8bf but Rubber and Warp
// keeps in the host's parameter handle: seven longs whose meaning each
// filter gives (strength, size, type, direction and freeze for the
// distortions). The dialogs start from the module's settings, so the block
// carries no defaults: a new one is zero-filled.
#pragma once

#include <cstddef>
#include <cstdint>

struct SevenLongParams {
    int32_t strength;
    int32_t size;       // number of waves, peaks, density... by filter
    int32_t type;       // written by the entry at Start
    int32_t direction;  // direction mode or degrees, by filter
    int32_t freeze;     // nonzero: random filters start from seed 1
    int32_t spare;      // cleared before the dialog opens
    int32_t showDialog; // 1: the dialog runs at the next Start or Continue
};
static_assert(sizeof(SevenLongParams) == 28, "SevenLongParams is seven longs");
static_assert(offsetof(SevenLongParams, size) == 4 && offsetof(SevenLongParams, type) == 8 &&
                  offsetof(SevenLongParams, direction) == 12 && offsetof(SevenLongParams, freeze) == 16 &&
                  offsetof(SevenLongParams, spare) == 20 && offsetof(SevenLongParams, showDialog) == 24,
              "SevenLongParams layout");
