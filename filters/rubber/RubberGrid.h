// The grid the Rubber preview draws: 11 x 11 nodes of the client area moved
// forward by the same stretch the filter applies, so the user sees the
// sheet pulled from the grab point by the drag.
#pragma once

#include "render/Rect.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

struct GridPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const GridPoint&) const = default;
};

class RubberGrid {
public:
    static constexpr int32_t kDivisions = 10;
    static constexpr int32_t kNodes = kDivisions + 1;

    // The grid over area (the client rectangle less one pixel each way)
    // for a grab at (grabX, grabY) relative to its corner, dragged by
    // (dx, dy), all in client pixels.
    static RubberGrid Build(const QnRect& client, int32_t grabX, int32_t grabY, int32_t dx, int32_t dy);

    // The weight in 1/4096 of a node at a along an axis of length size
    // grabbed at grab: 1 at the grab, 0 at either end.
    static int32_t NodeWeight(int32_t a, int32_t grab, int32_t size);

    // Node of column i and row k.
    const GridPoint& Node(int32_t i, int32_t k) const { return nodes_[size_t(k * kNodes + i)]; }
    // The lines between neighbouring nodes along every row and column.
    std::vector<std::pair<GridPoint, GridPoint>> Segments() const;

private:
    std::array<GridPoint, kNodes * kNodes> nodes_{};
};
