// What the Rubber preview does with the mouse, apart from its window: a
// press inside the area noted at the last paint grabs a point, a move drags
// it (at most half the way to each edge), and the release stores the grab
// and the drag in thousandths of that area.
#pragma once

#include "filters/rubber/RubberGrid.h"
#include "filters/rubber/RubberParams.h"
#include "render/Rect.h"

#include <cstdint>

class RubberMeshModel {
public:
    // The client rectangle the last paint covered.
    void NotePaint(const QnRect& client) { noted_ = client; }
    const QnRect& Noted() const { return noted_; }

    // True when the press, strictly inside the noted area (not on its
    // border rows and columns), started a drag; params are reset then.
    bool Press(int32_t x, int32_t y, RubberParams& params);
    // True when a drag is under way; the drag follows the mouse.
    bool Move(int32_t x, int32_t y);
    // True when a drag ended; params then hold it.
    bool Release(RubberParams& params);

    bool Dragging() const { return dragging_; }
    int32_t GrabX() const { return grabX_; }
    int32_t GrabY() const { return grabY_; }
    int32_t DragX() const { return dragX_; }
    int32_t DragY() const { return dragY_; }

    // The grid of the current grab and drag, and the one with no drag.
    RubberGrid Grid() const { return RubberGrid::Build(noted_, grabX_, grabY_, dragX_, dragY_); }
    RubberGrid RestGrid() const { return RubberGrid::Build(noted_, grabX_, grabY_, 0, 0); }

private:
    QnRect noted_{};
    bool dragging_ = false;
    int32_t grabX_ = 0;
    int32_t grabY_ = 0;
    int32_t dragX_ = 0;
    int32_t dragY_ = 0;
};
