// The three tiles that tiled objects serve where they hold no pixels of
// their own: transparent and opaque alpha, and black colour. Made once per
// object and shared by its copies; every reader gets a copy-on-write view, so
// nothing ever writes into them.
#pragma once

#include "render/PixBuf.h"

#include <cstdint>

struct QnBlankTiles {
    static constexpr int32_t kTile = 64;

    PpQnPixBuf transparent; // 64 x 64 bytes of 0
    PpQnPixBuf opaque;      // 64 x 64 bytes of 255
    PpQnPixBuf black;       // 64 x 64 pixels of three bytes 0

    static QnBlankTiles Make();
};
