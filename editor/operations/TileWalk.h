// The tile walk of the picture built-ins: a result picture is filled tile by
// tile from a source rendered with the same number of bytes a pixel, with
// progress counted in pixels and an abort test after every tile.
#pragma once

#include <cstdint>

#include "picture/Picture.h"
#include "render/RenderObj.h"

class QnProgressIndicator;

// A count of pixels as the progress display takes it: counts of up to 2^32
// pixels as they are, larger ones in steps of 1024 pixels so they fit.
uint32_t ProgressUnits(uint64_t n, uint64_t total);

// Copies source (rendered with the result's bytes a pixel) into every tile
// of result. progress may be null; an abort raises UserAbortExcept naming
// file. done counts on from its value; total is what progress is shown of.
void CopyIntoTiles(const PpQnRenderObj& source, const PpQnPicture& result, QnProgressIndicator* progress,
                   uint64_t& done, uint64_t total, const char* file);
