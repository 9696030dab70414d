// A client's colour correction, applied by true-colour contexts to every
// output row just before it is drawn. Both hooks do nothing here.
#pragma once

#include "platform/Dib.h"

#include <cstdint>

class ZV_CORRECTCOLORS {
public:
    ZV_CORRECTCOLORS() = default;
    ZV_CORRECTCOLORS(const ZV_CORRECTCOLORS&) = default;
    ZV_CORRECTCOLORS& operator=(const ZV_CORRECTCOLORS&) = default;
    virtual ~ZV_CORRECTCOLORS() = default;

    // row holds width pixels of bits each.
    virtual void CorrectRow(uint8_t* row, int bits, int32_t width);
    // Never called by the library; for clients that correct palettes.
    virtual void SetPaletteGamma(platform::PALETTEENTRY* entries, int count);
};
