#include "blt/BltPaint.h"

#include "blt/RgnMap.h"

namespace {

// Restores the context however the paint ends.
class SavedDC {
public:
    explicit SavedDC(DeviceContext& dc) : dc_(dc) { dc_.SaveDC(); }
    ~SavedDC() { dc_.RestoreDC(-1); }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    DeviceContext& dc_;
};

} // namespace

// The DIB is copied over the bounding box of the visible part; the clip
// keeps the copy to the visible part itself, within whatever clip the
// caller had set, so a clip of many pieces is never painted across.
void QnBltPaintTile(DeviceContext& dc, const QnRgn& visible, int32_t dx, int32_t dy, const QnRect& tile,
                    const QnDib& dib)
{
    const QnRect box = visible.box();
    if (box.IsEmpty())
        return;
    const SavedDC saved(dc);
    QnRgn area = QnLPtoDPRgn(dc.Mapping(), visible);
    if (const auto& clip = dc.GetClipRgn())
        area *= *clip;
    dc.SelectClipRgn(&area);
    const int32_t w = int32_t(box.Width()), h = int32_t(box.Height());
    const int64_t srcX = int64_t(box.left) + dx - tile.left;
    const int64_t srcY = int64_t(dib.Height()) + tile.top - box.bottom - dy;
    dc.StretchDIBits(box.left, box.top, w, h, int32_t(srcX), int32_t(srcY), w, h, dib.Bits());
}
