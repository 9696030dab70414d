#include "editor/view/SelectionShapes.h"

#include <algorithm>

QnRect SelectShapeRect(const QnPoint& anchor, const QnPoint& pointer, const CSelectParams& params)
{
    QnRect r{anchor.x, anchor.y, pointer.x, pointer.y};
    if (params.fixedSize)
        r = QnRect{pointer.x, pointer.y, pointer.x + params.width, pointer.y + params.height};
    else if (params.square)
        r.bottom = anchor.y + (pointer.x - anchor.x);
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
    return r;
}

QnRgn CombineSelection(const QnRgn& base, const QnRgn& shape, int32_t combine)
{
    switch (combine) {
    case 1:
        return base + shape;
    case 2:
        return base - shape;
    default:
        return shape;
    }
}

