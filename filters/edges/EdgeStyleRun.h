// Runs the "Edge style" dialog over the thumbnail with the colour packed as
// red << 16 | green << 8 | blue; on OK gives the chosen mask and shadow
// option. False for Cancel, and when no dialog can be shown.
#pragma once

#include <cstdint>

class Thumbnail;

bool RunEdgeStyleDialog(const Thumbnail& thumbnail, uint32_t colour, int32_t& mask, int32_t& shadow);
