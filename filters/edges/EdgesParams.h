// The parameter block of the Edges filter, seven longs in the host's
// 'FOTO' handle. The three slots that once held the run's bitmaps stay 0:
// the host keeps the block after a run (the editor for undo and redo), so
// the run's memory is module state, never addresses in the block.
#pragma once

#include <cstddef>
#include <cstdint>

struct EdgesParams {
    int32_t showDialog; // 1: run the dialog at the next Start
    int32_t mask;       // resource number of the chosen mask
    int32_t shadow;     // 0 none, 1 up-left, 2 up-right, 3 down-left, 4 down-right
    int32_t reserved[3];
    int32_t rowCounter; // the row of the run under way
};
static_assert(sizeof(EdgesParams) == 28);
static_assert(offsetof(EdgesParams, showDialog) == 0);
static_assert(offsetof(EdgesParams, mask) == 4);
static_assert(offsetof(EdgesParams, shadow) == 8);
static_assert(offsetof(EdgesParams, rowCounter) == 24);

// Shadow options.
enum : int32_t { kShadowNone = 0, kShadowUpLeft = 1, kShadowUpRight = 2, kShadowDownLeft = 3, kShadowDownRight = 4 };
