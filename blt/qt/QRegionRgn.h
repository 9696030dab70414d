// A Qt region as a region of the render library. A Qt region's rectangles
// never overlap, so they are taken as they are: a union one rectangle at a
// time would cost the square of their number.
#pragma once

#include "render/Rgn.h"

#include <QRegion>

QnRgn QnRgnFromQRegion(const QRegion& region);

// A region of the render library as a Qt region. A list that is banded as a
// Qt region's (rectangles sharing a top share their bottom, and the rows
// of different tops do not overlap) is taken at once, side by side pieces
// joined; any other is joined half by half.
QRegion QRegionFromRgn(const QnRgn& rgn);
