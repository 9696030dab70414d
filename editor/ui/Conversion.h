// A colour-mode conversion as the conversion dialogs choose it: the target
// type, the palette and the conversion option (the dithering method times
// 8). The picture operations turn it into their conversion expression.
#pragma once

#include <cstdint>
#include <functional>

#include "lang/Expr.h"

struct CLdConversion {
    enum class Target { Mono, Paletted4, Paletted8 };
    enum class Palette { Standard, Optimized };

    Target target = Target::Mono;
    Palette palette = Palette::Standard;
    int32_t option = 0;

    // Colours of the optimized palette built from the picture first: 16 or
    // 256; 0 when the standard palette is used.
    int32_t PaletteColours() const
    {
        if (palette != Palette::Optimized || target == Target::Mono)
            return 0;
        return target == Target::Paletted4 ? 16 : 256;
    }

    bool operator==(const CLdConversion&) const = default;
};

// The effect a conversion dialog gives its preview for a conversion: the
// one-argument function that converts a picture.
using CLdConversionEffect = std::function<PpQnExpr(const CLdConversion&)>;
