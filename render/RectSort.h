// Sorting rectangles into the order of a region's list: by top, then left.
#pragma once

#include "render/Rect.h"

#include <span>

// A radix sort on (top, left) for long lists, which region operations sort
// after every cut; a comparison sort for short ones. Stable.
void QnSortRects(std::span<QnRect> rects);
