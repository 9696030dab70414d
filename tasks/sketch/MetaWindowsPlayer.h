// Plays a Windows (16-bit) metafile's records onto a painter. The picture's
// window (origin and extent as the file first sets them) is mapped onto the
// target rectangle; a file that sets no window extent is drawn one logical
// unit to a device pixel from the target's corner. Nothing is drawn outside
// the target; records it does not know are skipped; a damaged file draws the
// records before the damage.
#pragma once

#include <cstddef>
#include <cstdint>

class QPainter;
class QRect;

// bits: the metafile's header and records (no placeable header). False when
// they do not begin with a metafile header.
bool PlayWindowsMetafile(QPainter& out, const QRect& target, const uint8_t* bits, size_t size);
