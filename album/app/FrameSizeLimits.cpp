#include "album/app/FrameSizeLimits.h"

void KeepMinimumFrameSize(QnRect& rect, SizingEdge edge)
{
    const bool left = edge == SizingEdge::Left || edge == SizingEdge::TopLeft || edge == SizingEdge::BottomLeft;
    const bool top = edge == SizingEdge::Top || edge == SizingEdge::TopLeft || edge == SizingEdge::TopRight;
    if (rect.right - rect.left < kAlbumFrameMinWidth) {
        if (left)
            rect.left = rect.right - kAlbumFrameMinWidth;
        else
            rect.right = rect.left + kAlbumFrameMinWidth;
    }
    if (rect.bottom - rect.top < kAlbumFrameMinHeight) {
        if (top)
            rect.top = rect.bottom - kAlbumFrameMinHeight;
        else
            rect.bottom = rect.top + kAlbumFrameMinHeight;
    }
}
