// A Qt region as a region of the render library. A Qt region's rectangles
// never overlap, so they are taken as they are: a union one rectangle at a
// time would cost the square of their number.
#pragma once

#include "render/Rgn.h"

#include <QRegion>

QnRgn QnRgnFromQRegion(const QRegion& region);
