// The string table of rubber.8bf (dialog titles and labels the filters
// share). The module points it at its own resources when it is loaded;
// without them an id reads as a text naming it.
#pragma once

#include "base/QnRcStr.h"

#include <string>

QnRcStr& RubberRcStr();

// The module's string id.
inline std::string RubberString(int id) { return RubberRcStr()(id); }

enum RubberStringId : int {
    IDS_PINCH = 1,
    IDS_PUNCH = 2,
    IDS_SIZE_16 = 5,
    IDS_EXPLOSIONS = 6,
    IDS_BURST = 7,
    IDS_BLOT = 8,
    IDS_SPLASH = 9,
    IDS_COLLAPSES = 10,
    IDS_EARTH_QUAKE = 11,
    IDS_QUICK_SANDS = 12,
    IDS_BLACK_HOLE = 13,
    IDS_PEAKS = 14,
    IDS_DENSITY = 15,
    IDS_SIZE_100 = 18,
};
