#include "savers/SaverFrame.h"

#include <cmath>

namespace SaverFrame {

void SetPictureMapping(DeviceContext& dc, const SaverEffect& effect, QnPoint client)
{
    DcMapping& m = dc.Mapping();
    m.SetMapMode(QN_MM_ANISOTROPIC);
    m.SetWindowExt(QnPoint{effect.Picture().Width(), effect.Picture().Height()});
    m.SetViewportExt(client);
    m.SetViewportOrg(QnPoint{0, 0});
}

void Draw(DeviceContext& dc, const SaverEffect& effect, QnPoint client)
{
    if (!effect.HasPicture() || client.x <= 0 || client.y <= 0) {
        dc.FillRect(QnRect{0, 0, client.x, client.y}, QnRGB(0, 0, 0));
        return;
    }
    const SaverDib& picture = effect.Picture();
    dc.SaveDC();
    SetPictureMapping(dc, effect, client);
    dc.StretchDIBits(0, 0, picture.Width(), picture.Height(), 0, 0, picture.Width(), picture.Height(),
                     picture.Bits());
    const int32_t e = effect.SquareSize();
    if (effect.Composed() && e > 0) {
        const SaverMotion& m = effect.Motion();
        const QnRgn circle = EllipticRgn(dc.Mapping().LPtoDP(QnRect{m.x, m.y, m.x + e, m.y + e}));
        dc.SelectClipRgn(&circle);
        dc.StretchDIBits(m.x, m.y, e, e, 0, 0, e, e, effect.Square().Bits());
    }
    dc.RestoreDC(-1);
}

QnRect SquareOnDevice(const SaverEffect& effect, QnPoint client)
{
    const int32_t e = effect.SquareSize();
    if (!effect.HasPicture() || e <= 0 || client.x <= 0 || client.y <= 0)
        return QnRect{};
    DcMapping m;
    m.SetMapMode(QN_MM_ANISOTROPIC);
    m.SetWindowExt(QnPoint{effect.Picture().Width(), effect.Picture().Height()});
    m.SetViewportExt(client);
    const SaverMotion& at = effect.Motion();
    return m.LPtoDP(QnRect{at.x, at.y, at.x + e, at.y + e});
}

QnRgn EllipticRgn(const QnRect& box)
{
    QnRgn region;
    if (box.IsEmpty())
        return region;
    const double cx = (double(box.left) + box.right) / 2, cy = (double(box.top) + box.bottom) / 2;
    const double rx = double(box.Width()) / 2, ry = double(box.Height()) / 2;
    // Rows of equal span are joined into one rectangle: a region of a few
    // dozen rectangles instead of one a row.
    QnRect band{};
    for (int32_t y = box.top; y < box.bottom; ++y) {
        const double v = (y + 0.5 - cy) / ry;
        const double half = rx * std::sqrt(std::max(0.0, 1.0 - v * v));
        QnRect row{int32_t(std::ceil(cx - half - 0.5)), y, int32_t(std::floor(cx + half - 0.5)) + 1, y + 1};
        if (row.IsEmpty())
            row = QnRect{};
        if (!band.IsEmpty() && row.left == band.left && row.right == band.right && row.top == band.bottom) {
            band.bottom = row.bottom;
            continue;
        }
        if (!band.IsEmpty())
            region += QnRgn(band);
        band = row;
    }
    if (!band.IsEmpty())
        region += QnRgn(band);
    return region;
}

} // namespace SaverFrame
