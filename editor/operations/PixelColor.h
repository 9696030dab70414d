// The colour of one pixel of a render object, read in the standard 24-bit
// form whatever the object's own pixels are (a grey or paletted picture
// included), as 0x00BBGGRR; 0 outside the object.
#pragma once

#include <cstdint>

#include "render/RenderObj.h"

uint32_t GetRenderObjPixelColor(const PpQnRenderObj& obj, const QnPoint& p);
