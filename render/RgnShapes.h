// Ellipse and polygon regions, rasterised by the rule that a pixel belongs to
// a shape when its centre does. The rule is exact (integer arithmetic only),
// so a shape and its mirror image give mirrored pixel sets.
#pragma once

#include "render/Rgn.h"

#include <span>

// How a polygon that crosses itself is filled: alternate keeps the pixels
// that an odd number of edges surround, winding those of non-zero winding.
enum class QnPolyFill { Alternate, Winding };

// The ellipse inscribed in box: the pixels whose centre (x + 0.5, y + 0.5)
// lies inside or on it. An empty box gives an empty region.
QnRgn QnEllipseRgn(const QnRect& box);

// The closed polygon through the points (vertices at pixel corners): the
// pixels whose centre it surrounds under the fill rule. A centre lying on a
// non-horizontal edge counts as right of it. Fewer than three points give an
// empty region.
QnRgn QnPolygonRgn(std::span<const QnPoint> points, QnPolyFill fill);
