// What the Convert commands share with their dialogs' previews: the function
// a chosen conversion applies to a picture, the effect the dialogs preview, the options each command opens
// its dialog on next time.
#pragma once

#include <cstdint>

#include "editor/ui/Conversion.h"
#include "lang/Expr.h"
#include "picture/Picture.h"

// The one-argument function of conversion; picture is what an optimised
// palette is built from.
PpQnExpr ConversionFunction(const CLdConversion& conversion, const PpQnExpr& picture);

// What a conversion dialog previews of picture: the conversion function,
// with an optimised palette built from the whole picture.
CLdConversionEffect ConversionPreviewEffect(const PpQnPicture& picture);

// The last choices of the conversion dialogs while the program runs: raster
// options (8 x the method's index) and optimised-palette flags.
struct ConversionMemory {
    int32_t monoOption = 8;
    int32_t option4 = 8;
    int32_t option8 = 8;
    int32_t optimised4 = 0;
    int32_t optimised8 = 0;
};
ConversionMemory& TheConversionMemory();
