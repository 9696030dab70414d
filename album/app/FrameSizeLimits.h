// The smallest the album's main frame may be dragged to: the edge being
// dragged gives way, the opposite one stays.
#pragma once

#include <cstdint>

#include "render/Rect.h"

inline constexpr int32_t kAlbumFrameMinWidth = 400;
inline constexpr int32_t kAlbumFrameMinHeight = 300;

// The border being dragged (the values of the system's sizing edges).
enum class SizingEdge { Left = 1, Right = 2, Top = 3, TopLeft = 4, TopRight = 5, Bottom = 6, BottomLeft = 7, BottomRight = 8 };

void KeepMinimumFrameSize(QnRect& rect, SizingEdge edge);
