#include "album/doc/AlbumWriteWA.h"

#include <cstring>

#include "drawctx/zvwa/WA.h"
#include "imexp/ImExp.h"

namespace {

// Pictures the album writes carry no resolution of their own.
constexpr int kScreenDpi = 96;

} // namespace

int CAlbumWriteWA::GetImageNum(int& n) const
{
    n = 1;
    return 0;
}

int CAlbumWriteWA::GetLayersNum(int, int& n) const
{
    n = 1;
    return 0;
}

int CAlbumWriteWA::GetSize(int, int, int& width, int& height) const
{
    width = picture_.width;
    height = picture_.height;
    return 0;
}

int CAlbumWriteWA::GetType(int, int, int& type) const
{
    type = picture_.type;
    return 0;
}

int CAlbumWriteWA::GetPalette(int, int, PALETTEENTRY* out) const
{
    const unsigned count = WA::PaletteSizeOf(picture_.type);
    picture_.GetPaletteEntries(0, static_cast<unsigned short>(count), out);
    return 0;
}

int CAlbumWriteWA::GetRes(int, int, int& h, int& v) const
{
    h = v = kScreenDpi;
    return 0;
}

int CAlbumWriteWA::GetRow(int, int, int row, unsigned char* out) const
{
    if (row < 0 || row >= picture_.height)
        return 1;
    std::memcpy(out, picture_.Row(row), picture_.RowBytes());
    return 0;
}

bool WriteAlbumPicture(const std::string& path, const WA& picture, CProgress* progress)
{
    CAlbumWriteWA source(picture);
    std::string name = path;
    int format = 0;
    return ImExp_WriteFile(&source, nullptr, name.data(), &format, progress, nullptr, 0) != 0;
}
