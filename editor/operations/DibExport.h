// A render object as a packed DIB: the 40-byte header (300 in both
// resolution fields), with 1 byte a pixel a grey ramp of 256 entries, and
// rows bottom-up padded to 4 bytes. What the clipboard, mail and the
// wizards take.
#pragma once

#include <cstdint>
#include <vector>

#include "render/RenderObj.h"

// bytesPerPixel 3 gives blue-green-red rows, 1 grey rows; empty for a null
// object.
std::vector<uint8_t> RenderObjToDib(const PpQnRenderObj& obj, int bytesPerPixel);
