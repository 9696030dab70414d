// The drag of the art preview apart from its window: where the mouse was
// last, and the steps by which the crop moves so that the picture follows
// the hand.
#pragma once

#include <cstdint>
#include <optional>

class PreviewDragModel {
public:
    struct Step {
        int32_t dx;
        int32_t dy;
    };

    // A press at (x, y) starts a drag only where the host serves any
    // rectangle (movable).
    bool Press(int32_t x, int32_t y, bool movable);
    // The crop's move for a mouse move to (x, y); none when not dragging or
    // the point is unchanged.
    std::optional<Step> Move(int32_t x, int32_t y);
    // True when a drag ended.
    bool Release();
    bool Dragging() const { return dragging_; }

private:
    bool dragging_ = false;
    int32_t lastX_ = 0;
    int32_t lastY_ = 0;
};
