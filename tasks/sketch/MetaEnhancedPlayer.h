// Plays an enhanced metafile's drawing records onto a painter: the
// picture's frame is mapped onto the target rectangle and nothing is drawn
// outside it. Records it does not know are skipped; a damaged file draws
// the records before the damage.
#pragma once

#include <cstddef>
#include <cstdint>

class QPainter;
class QRect;

// False when the bytes do not begin with an enhanced metafile header.
bool PlayEnhancedMetafile(QPainter& out, const QRect& target, const uint8_t* data, size_t size);
