// Our own drawings of the gallery's masks, made when the module is built:
// a weight 0..255 per pixel (255 = the background colour, 0 = the picture),
// rows from the top. Soft frames and strokes are frames with an edge
// roughened by noise, vignettes and objects are openings of a shape, and
// textures cover the whole picture at part strength.
#pragma once

#include <cstdint>
#include <vector>

// The weights of mask resource at size x size; empty for a number that is
// no mask of the module.
std::vector<uint8_t> DrawMask(int32_t resource, int32_t size);
