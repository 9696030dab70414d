#include "editor/view/SelectionShapes.h"

#include <algorithm>

#include "editor/operations/RgnFinder.h"
#include "platform/Dib.h"

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

QnRgn ColourRangeSelection(const std::vector<uint8_t>& dib, const QnPoint& seed, uint32_t colour,
                           int32_t tolerance)
{
    if (dib.size() < sizeof(platform::BITMAPINFOHEADER))
        return QnRgn();
    const auto* header = reinterpret_cast<const platform::BITMAPINFOHEADER*>(dib.data());
    const int32_t height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    if (seed.x < 0 || seed.y < 0 || seed.x >= header->biWidth || seed.y >= height)
        return QnRgn();
    uint32_t low = 0, high = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int32_t c = int32_t((colour >> shift) & 0xFF);
        low |= uint32_t(std::max(0, c - tolerance)) << shift;
        high |= uint32_t(std::min(255, c + tolerance)) << shift;
    }
    CRgnFinder finder;
    finder.FindRegion(header, seed.x, height - 1 - seed.y, low, high);
    QnRgn found;
    finder.GetRegion(&found);
    return found;
}
