#include "editor/painting/DabWalk.h"

QnRect DabSquare(const QnPoint& p, int32_t size)
{
    const int32_t left = p.x - size / 2, top = p.y - size / 2;
    return QnRect{left, top, left + size, top + size};
}

std::vector<QnRect> DabSquares(const std::vector<QnPoint>& points, int32_t size, QnRect* box)
{
    std::vector<QnRect> squares;
    squares.reserve(points.size());
    *box = QnRect{};
    for (const QnPoint& p : points) {
        squares.push_back(DabSquare(p, size));
        *box = QnExtendBox(*box, squares.back());
    }
    return squares;
}
