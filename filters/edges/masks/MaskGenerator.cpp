// edges_maskgen: draws the gallery's masks as 8-bit grey BMP files when the
// module is built, and writes the module's resource description: the
// checked-in part (property list) followed by one bitmap per mask.
//
//   edges_maskgen <description part> <output folder> <mask size>

#include "filters/edges/MaskCatalogue.h"
#include "filters/edges/masks/MaskDesigns.h"

#include "base/QnExcept.h"
#include "platform/AtomicFile.h"
#include "platform/Dib.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> GreyBmp(const std::vector<uint8_t>& weights, int32_t size)
{
    std::vector<platform::RGBQUAD> grey(256);
    for (int i = 0; i < 256; ++i)
        grey[size_t(i)] = platform::RGBQUAD{uint8_t(i), uint8_t(i), uint8_t(i), 0};
    const std::vector<uint8_t> info = platform::MakeDibHeader(size, size, 8, grey, 96, 96);
    const size_t rowBytes = size_t(platform::DibRowBytes(uint64_t(size), 8));
    platform::BITMAPFILEHEADER file;
    file.bfOffBits = uint32_t(platform::BITMAPFILEHEADER::kSize + info.size());
    file.bfSize = uint32_t(file.bfOffBits + rowBytes * size_t(size));
    std::vector<uint8_t> out(file.bfSize, 0);
    file.Write(out.data());
    std::copy(info.begin(), info.end(), out.begin() + platform::BITMAPFILEHEADER::kSize);
    // Bottom-up rows, as a DIB keeps them.
    for (int32_t y = 0; y < size; ++y)
        std::copy_n(weights.begin() + ptrdiff_t(y) * size, size,
                    out.begin() + file.bfOffBits + ptrdiff_t(size - 1 - y) * ptrdiff_t(rowBytes));
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: edges_maskgen <description part> <output folder> <mask size>\n";
        return 2;
    }
    const std::string part = argv[1], folder = argv[2];
    const int32_t size = std::atoi(argv[3]);
    if (size < 2 || size > 1024) {
        std::cerr << "edges_maskgen: the mask size must be 2 to 1024\n";
        return 2;
    }
    try {
        std::string description = platform::AtomicFile::ReadAll(part);
        description += "\n# The masks, drawn by edges_maskgen.\n";
        for (int32_t resource : MaskResources()) {
            const std::vector<uint8_t> weights = DrawMask(resource, size);
            if (weights.empty()) {
                std::cerr << "edges_maskgen: no drawing for mask " << resource << "\n";
                return 1;
            }
            const std::string name = "mask-" + std::to_string(resource) + ".bmp";
            platform::AtomicFile::Replace(folder + "/" + name, GreyBmp(weights, size));
            description += "bitmap " + std::to_string(resource) + " file \"" + name + "\"\n";
        }
        platform::AtomicFile::Replace(folder + "/edges.qnrc", description);
    } catch (const QnExcept& error) {
        std::cerr << "edges_maskgen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
