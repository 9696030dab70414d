// Pictures that metafile records carry as a bitmap header with its colour
// table and, apart or right after it, the pixel rows.
#pragma once

#include <QImage>

#include "tasks/sketch/MetaBytes.h"

// The picture, top line first, or a null image when the bytes hold none
// that can be shown. The image owns its pixels.
QImage MetaDibImage(const MetaBytes& info, const MetaBytes& bits);
// The same for a packed bitmap (header, colour table, rows in one block).
QImage MetaPackedDibImage(const MetaBytes& dib);
