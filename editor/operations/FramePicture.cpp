#include "editor/operations/FramePicture.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/Dib.h"

namespace {

std::optional<FramePicture> Refuse(std::string* error, const char* reason)
{
    if (error)
        *error = reason;
    return std::nullopt;
}

}  // namespace

std::optional<FramePicture> DecodeFramePicture(std::span<const uint8_t> file, std::string* error)
{
    using platform::BITMAPFILEHEADER;
    if (file.size() < BITMAPFILEHEADER::kSize + platform::BITMAPINFOHEADER::kSize)
        return Refuse(error, "too short for a bitmap");
    // The file header is skipped; the rest is a packed DIB.
    const std::span<const uint8_t> dib = file.subspan(BITMAPFILEHEADER::kSize);
    std::string reason;
    const std::optional<platform::DibLayout> layout = platform::ReadDibLayout(dib, &reason);
    if (!layout)
        return Refuse(error, "not a bitmap");
    const platform::BITMAPINFOHEADER& h = layout->header;
    if (h.biBitCount != 24 || h.biCompression != platform::BI_RGB || layout->topDown)
        return Refuse(error, "not an uncompressed 24-bit bottom-up bitmap");
    if (h.biWidth <= 0 || layout->height <= 0 || h.biWidth > kFramePictureMaxSide ||
        layout->height > kFramePictureMaxSide)
        return Refuse(error, "bad bitmap size");
    FramePicture picture;
    picture.width = h.biWidth;
    picture.height = layout->height;
    const size_t bytes = size_t(picture.Stride()) * size_t(picture.height);
    if (layout->bitsOffset > dib.size() || dib.size() - layout->bitsOffset < bytes)
        return Refuse(error, "bitmap data cut short");
    picture.bits.assign(dib.begin() + ptrdiff_t(layout->bitsOffset),
                        dib.begin() + ptrdiff_t(layout->bitsOffset + bytes));
    return picture;
}

std::optional<FramePicture> ReadFramePicture(const std::string& path, std::string* error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Refuse(error, "cannot open the file");
    // Pictures are small; anything that claims more than a largest picture
    // (plus headers) is not one of ours.
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    const std::streamoff limit = std::streamoff(kFramePictureMaxSide) * (kFramePictureMaxSide * 3 + 3) + 4096;
    if (size < 0 || size > limit)
        return Refuse(error, "not a frame picture");
    in.seekg(0);
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size))
        return Refuse(error, "cannot read the file");
    return DecodeFramePicture(bytes, error);
}

std::vector<uint8_t> EncodeFramePicture(const FramePicture& picture)
{
    const std::vector<uint8_t> info = platform::MakeDibHeader(picture.width, picture.height, 24, {}, 96, 96);
    platform::BITMAPFILEHEADER file;
    file.bfOffBits = uint32_t(platform::BITMAPFILEHEADER::kSize + info.size());
    file.bfSize = uint32_t(file.bfOffBits + picture.bits.size());
    std::vector<uint8_t> out(platform::BITMAPFILEHEADER::kSize);
    file.Write(out.data());
    out.insert(out.end(), info.begin(), info.end());
    out.insert(out.end(), picture.bits.begin(), picture.bits.end());
    return out;
}
