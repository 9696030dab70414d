#include "album/doc/AlbumReadWA.h"

#include "album/doc/AlbumThumbnail.h"

#include <cstring>

#include "drawctx/zvwa/WA.h"
#include "imexp/ImExp.h"

CAlbumReadWA::~CAlbumReadWA()
{
    WARelease(picture_);
}

int CAlbumReadWA::SetSize(int, int, int width, int height)
{
    width_ = width;
    height_ = height;
    return 0;
}

int CAlbumReadWA::SetType(int, int, int type)
{
    type_ = type;
    return 0;
}

int CAlbumReadWA::SetPalette(int, int, PALETTEENTRY* entries, int count)
{
    if (count < 0)
        return 1;
    palette_.assign(entries, entries + count);
    return 0;
}

int CAlbumReadWA::SetRow(int, int, int row, const unsigned char* data)
{
    if (!picture_) {
        // The work area takes as many palette entries as its type has.
        palette_.resize(WA::PaletteSizeOf(type_));
        picture_ = new WA(type_, width_, height_, palette_.empty() ? nullptr : palette_.data());
    }
    if (row < 0 || row >= height_)
        return 1;
    std::memcpy(picture_->Row(row), data, picture_->RowBytes());
    return 0;
}

WA* CAlbumReadWA::Detach()
{
    WA* picture = picture_;
    picture_ = nullptr;
    return picture;
}

WA* ReadAlbumThumbnailSource(const std::string& path, CProgress* progress)
{
    // Twice the thumbnail each way is plenty to sample it from; a JPEG
    // decoded that small takes a fraction of the time.
    CAlbumReadWA sink;
    if (!imexp::ReadPictureAtLeast(path, sink, 2 * kThumbnailWidth, 2 * kThumbnailHeight, progress))
        return nullptr;
    return sink.Detach();
}

WA* ReadAlbumPicture(const std::string& path, CProgress* progress)
{
    CAlbumReadWA sink;
    std::string name = path;
    if (!ImExp_ReadFile(&sink, nullptr, name.data(), IMEXP_ANY_FORMAT, progress, nullptr, 0))
        return nullptr;
    return sink.Detach();
}
