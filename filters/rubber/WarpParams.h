// The parameter block of the Warp filter, kept by the host in the run's
// parameter handle: the offsets of the mesh's handles from their rest
// places in thousandths of the preview's width and height, pairs x, y,
// handle (column i, row j) at pair i + 5 j; room for 256 pairs of which the
// dialog writes 100 and the 5 x 5 mesh reads 25. Parameters keeps the
// offsets, so a new run starts from the last mesh.
#pragma once

#include <cstddef>
#include <cstdint>

struct WarpParams {
    static constexpr int32_t kPairs = 256;
    static constexpr int32_t kWrittenPairs = 100;
    static constexpr int32_t kHandles = 5; // a side
    // Handles stay within 3/20 of the preview's size: 150 thousandths.
    static constexpr int32_t kMostOffset = 150;

    int32_t offsets[2 * kPairs];
    int32_t spare;      // cleared before the dialog opens
    int32_t showDialog; // 1: the dialog runs at the next Start or Continue
};
static_assert(sizeof(WarpParams) == 2056, "WarpParams is 514 longs");
static_assert(offsetof(WarpParams, spare) == 2048 && offsetof(WarpParams, showDialog) == 2052, "WarpParams layout");
