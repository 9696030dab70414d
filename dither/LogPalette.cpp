#include "dither/LogPalette.h"

#include <algorithm>

namespace {

bool SameEntry(const PALETTEENTRY& a, const PALETTEENTRY& b)
{
    return a.peRed == b.peRed && a.peGreen == b.peGreen && a.peBlue == b.peBlue && a.peFlags == b.peFlags;
}

} // namespace

bool LOGPALETTE::operator==(const LOGPALETTE& o) const
{
    return palVersion == o.palVersion && palNumEntries == o.palNumEntries
        && std::equal(palPalEntry, palPalEntry + std::min<unsigned>(palNumEntries, 256), o.palPalEntry, SameEntry);
}
