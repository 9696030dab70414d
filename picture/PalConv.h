// The palette converter: paletted indices with alpha to colour with the
// same alpha. One per request, over its own copy of the palette; two are the
// same when their palettes hold the same colours.
#pragma once

#include "imexp/WorkArea.h"
#include "render/PixConverter.h"

#include <cstdint>

class Converter_FromPalA : public QnPixConverter {
public:
    PpQnRenderObj ConvertRender(const PpQnRenderObj& source) override;
    PpQnPixConverter GetInverse(int how) override;
    int IsSame(const QnPixConverter* other) override;

protected:
    friend struct ::QnObjCreator;
    // count lies in 1 .. 256; indices at or past it convert to black.
    Converter_FromPalA(const PALETTEENTRY* palette, int32_t count);

private:
    PALETTEENTRY palette_[256] = {};
    int32_t count_;
};
