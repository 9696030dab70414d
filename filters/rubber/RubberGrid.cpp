#include "filters/rubber/RubberGrid.h"

#include "platform/MulDiv.h"

int32_t RubberGrid::NodeWeight(int32_t a, int32_t grab, int32_t size)
{
    const int64_t toGrab = int64_t{a} - grab;
    const int64_t toEdge = a < grab ? int64_t{a} : int64_t{a} - size;
    int64_t denominator = toEdge * toEdge + toGrab * toGrab;
    if (denominator == 0)
        denominator = 1;
    return static_cast<int32_t>(platform::MulDivWide(4096, toEdge * toEdge, denominator));
}

RubberGrid RubberGrid::Build(const QnRect& client, int32_t grabX, int32_t grabY, int32_t dx, int32_t dy)
{
    const int32_t w = client.right - client.left - 1;
    const int32_t h = client.bottom - client.top - 1;
    std::array<int32_t, kNodes> wx{}, wy{};
    for (int32_t i = 0; i < kNodes; ++i) {
        wx[size_t(i)] = NodeWeight(i * w / kDivisions, grabX, w);
        wy[size_t(i)] = NodeWeight(i * h / kDivisions, grabY, h);
    }
    RubberGrid grid;
    for (int32_t k = 0; k < kNodes; ++k)
        for (int32_t i = 0; i < kNodes; ++i) {
            const int64_t wxi = wx[size_t(i)], wyk = wy[size_t(k)];
            GridPoint& node = grid.nodes_[size_t(k * kNodes + i)];
            node.x = int32_t(client.left + i * w / kDivisions + wyk * (dx * wxi / 4096) / 4096);
            node.y = int32_t(client.top + k * h / kDivisions + wyk * (dy * wxi / 4096) / 4096);
        }
    return grid;
}

std::vector<std::pair<GridPoint, GridPoint>> RubberGrid::Segments() const
{
    std::vector<std::pair<GridPoint, GridPoint>> segments;
    segments.reserve(2 * kNodes * kDivisions);
    for (int32_t k = 0; k < kNodes; ++k)
        for (int32_t i = 0; i < kDivisions; ++i)
            segments.emplace_back(Node(i, k), Node(i + 1, k));
    for (int32_t i = 0; i < kNodes; ++i)
        for (int32_t k = 0; k < kDivisions; ++k)
            segments.emplace_back(Node(i, k), Node(i, k + 1));
    return segments;
}
