// Reduction of a palette to fewer entries by merging the closest colours,
// for displays whose palette has less room than the picture's colours.
#pragma once

#include "dither/LogPalette.h"

#include <cstdint>
#include <vector>

// Reduces palette to at most limit entries. Each entry's nearest other entry
// (by the sum of the red, green and blue differences) is found; entries are
// taken in order of that distance and merged into their nearest surviving
// entry until the count fits; survivors become the rounded means of what
// they absorbed. remap receives 256 slots, old index to new index. Answers
// the number of merges; with nothing to merge remap is emptied.
int QnReducePalette(LOGPALETTE& palette, int limit, std::vector<uint8_t>& remap);
