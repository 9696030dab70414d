// The parameter block every filter of the art module keeps in its 'FOTO'
// handle: seven parameters whose meaning is each filter's, the ring the
// filter's engine asks for, and whether the next run shows the dialog. The
// block lives in memory the host keeps between runs, so its layout is
// fixed.
#pragma once

#include <cstddef>
#include <cstdint>

struct ArtParams {
    static constexpr int32_t kParamCount = 7;

    // Param1 .. Param7 (INI keys "Param1" .. "Param7" of the filter's section).
    int32_t param[kParamCount];
    // Written with the defaults (and by some engines at Begin); never read
    // back.
    int32_t ringMargin;
    int32_t ringSize;
    // 1: show the dialog at the next Start/Continue; 0: filter with the
    // stored values.
    int32_t showDialog;

    // Param k, counted from 1 as the settings name them.
    int32_t& Param(int32_t k) { return param[k - 1]; }
    int32_t Param(int32_t k) const { return param[k - 1]; }
};

static_assert(sizeof(ArtParams) == 40, "ArtParams is 40 bytes");
static_assert(offsetof(ArtParams, param) == 0, "Param1 at 0");
static_assert(offsetof(ArtParams, param) + 6 * sizeof(int32_t) == 24, "Param7 at 24");
static_assert(offsetof(ArtParams, ringMargin) == 28, "ring margin at 28");
static_assert(offsetof(ArtParams, ringSize) == 32, "ring size at 32");
static_assert(offsetof(ArtParams, showDialog) == 36, "ShowDialog at 36");
