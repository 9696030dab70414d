// The picture as the import/export library's work area: rows arrive through
// the sink and leave through the source, bottom-up and packed as DIB rows.
#include "picture/Picture.h"

#include "picture/PictureRcStr.h"
#include "picture/RowPacking.h"

#include <algorithm>

int QnPicture::SetImageNum(int) { return 0; }

int QnPicture::SetLayersNum(int, int) { return 0; }

int QnPicture::SetSize(int, int, int width, int height)
{
    // Once rows have come in, the tiles are laid out for the first size.
    if (tilesReady_ && (width != width_ || height != height_))
        QN_PICTURE_RAISE(QN_PIC_BAD_SIZE, "Picture");
    width_ = width;
    height_ = height;
    return 0;
}

int QnPicture::SetType(int, int, int type)
{
    if (type != WA_1BIT && type != WA_4BIT && type != WA_8BIT && type != WA_GRAY && type != WA_RGB24)
        QN_PICTURE_RAISE(QN_PIC_UNSUPPORTED_TYPE, "Picture");
    // Tiles hold the first type's bytes per pixel.
    if (tilesReady_ && type != type_)
        QN_PICTURE_RAISE(QN_PIC_UNSUPPORTED_TYPE, "Picture");
    type_ = type;
    return 0;
}

int QnPicture::SetPalette(int, int, PALETTEENTRY* entries, int count)
{
    pendingPalette_.assign(entries, entries + (entries ? std::clamp(count, 0, 256) : 0));
    return 0;
}

int QnPicture::SetRes(int, int, int h, int v)
{
    hRes_ = h;
    vRes_ = v;
    return 0;
}

int32_t QnPicture::LineOfRow(int row) const
{
    if (row < 0 || row >= height_)
        QN_PICTURE_RAISE(QN_PIC_BAD_ROW, "Picture");
    return height_ - 1 - row;
}

int QnPicture::SetRow(int, int, int row, const unsigned char* data)
{
    if (!tilesReady_)
        MakeReady();
    const int32_t line = LineOfRow(row);
    if (type_ == WA_1BIT || type_ == WA_4BIT) {
        line_.resize(size_t(width_));
        QnUnpackRow(type_, data, width_, line_.data());
        data = line_.data();
    }
    WriteLine(line, 0, width_, data);
    return 0;
}

int QnPicture::GetImageNum(int& n) const
{
    n = 1;
    return 0;
}

int QnPicture::GetLayersNum(int, int& n) const
{
    n = 1;
    return 0;
}

int QnPicture::GetSize(int, int, int& width, int& height) const
{
    width = width_;
    height = height_;
    return 0;
}

int QnPicture::GetType(int, int, int& type) const
{
    type = type_;
    return 0;
}

int QnPicture::GetPalette(int, int, PALETTEENTRY* out) const
{
    std::copy(palette_.begin(), palette_.end(), out);
    return 0;
}

int QnPicture::GetRes(int, int, int& h, int& v) const
{
    h = hRes_;
    v = vRes_;
    return 0;
}

int QnPicture::GetRow(int, int, int row, unsigned char* out) const
{
    const int32_t line = LineOfRow(row);
    if (type_ != WA_1BIT && type_ != WA_4BIT) {
        ReadLine(line, 0, width_, out);
        return 0;
    }
    std::vector<uint8_t> pixels(static_cast<size_t>(width_));
    ReadLine(line, 0, width_, pixels.data());
    QnPackRow(type_, pixels.data(), width_, out);
    return 0;
}
