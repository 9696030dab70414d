// art_bitmapgen: draws the art module's brush shapes and textures as BMP
// files when the module is built, and writes the module's resource
// description: the checked-in part followed by one named bitmap per
// drawing.
//
//   art_bitmapgen <description part> <output folder>

#include "filters/art/bitmaps/ArtDesigns.h"

#include "base/QnExcept.h"
#include "platform/AtomicFile.h"
#include "platform/Dib.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> Bmp(const ArtDesign& d)
{
    std::vector<platform::RGBQUAD> palette;
    if (d.bits == 8)
        for (int i = 0; i < 256; ++i)
            palette.push_back(platform::RGBQUAD{uint8_t(i), uint8_t(i), uint8_t(i), 0});
    const std::vector<uint8_t> info = platform::MakeDibHeader(d.width, d.height, uint16_t(d.bits), palette, 96, 96);
    const size_t rowBytes = size_t(platform::DibRowBytes(uint64_t(d.width), unsigned(d.bits)));
    const size_t pixelBytes = size_t(d.width) * size_t(d.bits / 8);
    platform::BITMAPFILEHEADER file;
    file.bfOffBits = uint32_t(platform::BITMAPFILEHEADER::kSize + info.size());
    file.bfSize = uint32_t(file.bfOffBits + rowBytes * size_t(d.height));
    std::vector<uint8_t> out(file.bfSize, 0);
    file.Write(out.data());
    std::copy(info.begin(), info.end(), out.begin() + platform::BITMAPFILEHEADER::kSize);
    // Bottom-up rows, as a DIB keeps them.
    for (int32_t y = 0; y < d.height; ++y)
        std::copy_n(d.pixels.begin() + ptrdiff_t(size_t(y) * pixelBytes), pixelBytes,
                    out.begin() + file.bfOffBits + ptrdiff_t(size_t(d.height - 1 - y) * rowBytes));
    return out;
}

std::string FileName(const std::string& name)
{
    std::string file;
    for (char c : name)
        file += char(std::tolower(static_cast<unsigned char>(c)));
    return file + ".bmp";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: art_bitmapgen <description part> <output folder>\n";
        return 2;
    }
    const std::string part = argv[1], folder = argv[2];
    try {
        std::string description = platform::AtomicFile::ReadAll(part);
        description += "\n# The brushes and textures, drawn by art_bitmapgen.\n";
        std::vector<ArtDesign> designs = BrushDesigns();
        for (ArtDesign& t : TextureDesigns())
            designs.push_back(std::move(t));
        for (const ArtDesign& d : designs) {
            platform::AtomicFile::Replace(folder + "/" + FileName(d.name), Bmp(d));
            description += "bitmap \"" + d.name + "\" file \"" + FileName(d.name) + "\"\n";
        }
        platform::AtomicFile::Replace(folder + "/ovartg.qnrc", description);
    } catch (const QnExcept& error) {
        std::cerr << "art_bitmapgen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
