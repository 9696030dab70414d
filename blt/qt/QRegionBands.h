// Parts of a Qt region found through its bands. A Qt region keeps its
// rectangles in bands sorted from the top, each band's rectangles sharing
// its top and bottom and sorted by left, so the bands that meet a rectangle
// are found by a binary search. Qt's own intersection and difference walk
// every band; a selection's outline holds a hundred thousand rectangles, and
// the view takes one tile of it at a time.
#pragma once

#include <QRect>
#include <QRegion>

// The bounding box of region's part in rows [top, bottom), at the cost of
// the bands there; empty when region has no pixel in those rows.
QRect QRegionRowsBox(const QRegion& region, int top, int bottom);

// The part of region inside rect: the same pixels as region & rect, at the
// cost of the bands that meet rect.
QRegion QRegionWithin(const QRegion& region, const QRect& rect);

// The part of region outside rect: the same pixels as region - rect; the
// bands above and below rect are copied as they are.
QRegion QRegionWithout(const QRegion& region, const QRect& rect);
