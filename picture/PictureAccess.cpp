// Pixel access to a picture: views of its tiles for the editor's tools, and
// the line and rectangle copies that rows and buffers come in through.
#include "picture/Picture.h"

#include "picture/TiledPiece.h"
#include "render/RenderRcStr.h"

#include <algorithm>
#include <cstring>

QnRect QnPicture::CalcRect(const QnPoint& p) { return QnTileCell(p); }

PpQnPixBuf QnPicture::GetAccessToBuffer(int plane, const QnPoint& p, QnRect* out)
{
    const QnRect bounds{0, 0, width_, height_};
    if (plane != 0 || !bounds.Contains(p)) {
        if (out)
            *out = QnRect{};
        return PpQnPixBuf();
    }
    const QnRect cell = QnIntersectRect(QnTileCell(p), bounds);
    if (out)
        *out = cell;
    // The cell starts at the tile's corner: the picture starts at (0, 0).
    return PpQnPixBuf(WritableTile(TileIndex(p.x, p.y)), cell, 0, 0, 0);
}

void QnPicture::WriteLine(int32_t y, int32_t x0, int32_t x1, const uint8_t* pixels)
{
    const int32_t rowInTile = y % kTile;
    for (int32_t x = x0; x < x1;) {
        const int32_t end = std::min(x1, (x / kTile + 1) * kTile);
        uint8_t* dst = WritableTile(TileIndex(x, y))->Row(rowInTile) + size_t(x % kTile) * bytesPerPixel_;
        const size_t bytes = size_t(end - x) * bytesPerPixel_;
        std::memcpy(dst, pixels, bytes);
        pixels += bytes;
        x = end;
    }
}

void QnPicture::ReadLine(int32_t y, int32_t x0, int32_t x1, uint8_t* out) const
{
    const int32_t rowInTile = y % kTile;
    for (int32_t x = x0; x < x1;) {
        const int32_t end = std::min(x1, (x / kTile + 1) * kTile);
        const size_t bytes = size_t(end - x) * bytesPerPixel_;
        std::memcpy(out, TileFor(TileIndex(x, y))->CRow(rowInTile) + size_t(x % kTile) * bytesPerPixel_, bytes);
        out += bytes;
        x = end;
    }
}

void QnPicture::ReadFromRow(int plane, int32_t row, const QnRange& range, unsigned char* out) const
{
    if (plane != 0 || row < 0 || row >= height_)
        return;
    const int32_t x0 = std::max(range.start, 0), x1 = std::min(range.end, width_);
    if (x0 < x1)
        ReadLine(row, x0, x1, out + (int64_t(x0) - range.start) * bytesPerPixel_);
}

void QnPicture::WriteToRow(int plane, int32_t row, const QnRange& range, const unsigned char* data)
{
    if (plane != 0 || row < 0 || row >= height_)
        return;
    const int32_t x0 = std::max(range.start, 0), x1 = std::min(range.end, width_);
    if (x0 >= x1)
        return;
    WriteLine(row, x0, x1, data + (int64_t(x0) - range.start) * bytesPerPixel_);
}

void QnPicture::WriteToRect(int plane, const PpQnPixBuf& buf)
{
    if (plane != 0 || !buf)
        return;
    const QnRect& from = buf->GetRect();
    const QnRect part = QnIntersectRect(from, QnRect{0, 0, width_, height_});
    if (part.IsEmpty())
        return;
    // A buffer of another pixel form would be read past its end.
    if (!buf->Holds(bytesPerPixel_))
        QN_RENDER_RAISE(QN_RENDER_BAD_RECT_REQUEST, "Picture");
    const size_t left = size_t(part.left - from.left) * bytesPerPixel_;
    for (int32_t y = part.bottom - 1; y >= part.top; --y)
        WriteLine(y, part.left, part.right, buf->CRow(y - from.top) + left);
}
