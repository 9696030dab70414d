// Turns a file's colour table into the work-area type that holds it best
// and maps rows of colour indexes (one byte a pixel) into packed rows of
// that type: black and white tables become type 1, the grey ramp type 8,
// up to 16 colours of a 1-, 2- or 4-bit file type 2, anything else type 4.
// An index beyond the file's table is an error, not a guess.
#pragma once

#include <cstdint>
#include <vector>

#include "imexp/WorkArea.h"

namespace imexp {

class PaletteMapper {
public:
    // palette: the file's entries; bits: the file's bits per index.
    PaletteMapper(const std::vector<PALETTEENTRY>& palette, int bits);

    int Type() const { return type_; }
    const PALETTEENTRY* Palette() const { return out_; }
    int Count() const { return count_; }

    // Packs width indexes into out (a padded row of Type()).
    void MapRow(const uint8_t* indexes, int32_t width, uint8_t* out) const;

private:
    int type_ = WA_8BIT;
    PALETTEENTRY out_[256] = {};
    int count_ = 0;
    uint16_t table_[256];  // index -> value in the work area, or kBad
    static constexpr uint16_t kBad = 0xFFFF;
};

// Composites a colour with alpha over white, as pictures have no alpha.
inline uint8_t OverWhite(unsigned value, unsigned alpha) { return uint8_t((value * alpha + 255 * (255 - alpha) + 127) / 255); }

// Unpacks width indexes of bits (1, 2, 4 or 8) each, most significant first.
void UnpackIndexes(const uint8_t* packed, int bits, int32_t width, uint8_t* indexes);

} // namespace imexp
