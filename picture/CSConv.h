// Colour converters: the handle through which the picture library's
// converters are asked for. The six single converters (grey, grey with
// alpha, hue-saturation-value with alpha, each way) are one static instance
// each; palette converters are made per request over a copy of the palette.
#pragma once

#include "imexp/WorkArea.h"
#include "render/PixConverter.h"

class PpQnCS : public PpQnPixConverter {
public:
    enum ConvType : int {
        TO_GRAY = 0,     // colour -> grey, no alpha plane
        FROM_GRAY = 1,   // grey -> colour, alpha made from the rectangle
        TO_GRAY_A = 2,   // colour -> grey, the source's alpha
        FROM_GRAY_A = 3, // grey -> colour, the source's alpha
        TO_HSV_A = 4,    // colour -> hue, saturation, value, the source's alpha
        FROM_HSV_A = 5,  // hue, saturation, value -> colour, the source's alpha
    };
    enum PalettedConvType : int {
        PAL_RESERVED = 0, // "Still not implemented converter"
        FROM_PAL_A = 1,   // indices -> colour, the source's alpha
    };

    // The single converter t; another value raises "Unknown converter request".
    explicit PpQnCS(ConvType t);
    // A new palette converter over count entries (1 .. 256, else "Bad size of
    // palette").
    PpQnCS(PalettedConvType t, const PALETTEENTRY* palette, int count);
};
