// A logical palette as the drawing calls pass it: version 0x300, a count and
// room for 256 entries, the most any palette of the suite holds.
#pragma once

#include "platform/Dib.h"

#include <cstdint>

using platform::PALETTEENTRY;

struct LOGPALETTE {
    uint16_t palVersion = 0x300;
    uint16_t palNumEntries = 0;
    PALETTEENTRY palPalEntry[256] = {};

    bool operator==(const LOGPALETTE& o) const;
};
static_assert(sizeof(LOGPALETTE) == 4 + 256 * 4);
