// An optimised palette as a value of the expression language: the colour
// count of a picture turned into a palette of at most 256 entries and the
// table that maps each colour cell to its nearest entry, which the paletted
// conversions dither with. Each palette is a value of its own.
#pragma once

#include "dither/LogPalette.h"
#include "dither/ZvDither.h"
#include "lang/FlVal.h"

class PaletteData : public QnFlVal {
public:
    ~PaletteData() override;

    const int* Table() const { return table_; }
    const LOGPALETTE& Palette() const { return palette_; }
    // By identity, in a total order.
    int Compare(const PpQnFlVal& other) const override;

protected:
    friend struct ::QnObjCreator;
    // Takes over obj, whose table has counted the picture's colours, and
    // makes a palette of at most colours entries from it.
    PaletteData(ZvdPaletteObj* obj, int colours);

private:
    ZvdPaletteObj* obj_;
    int* table_;
    LOGPALETTE palette_;
};

using PpPaletteData = QnPp<PaletteData>;
