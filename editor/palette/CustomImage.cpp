#include "editor/palette/CustomImage.h"

#include "framework/DiskFile.h"

#include <algorithm>
#include <cstring>

namespace {

int32_t Get32(const std::vector<uint8_t>& b, size_t at)
{
    return int32_t(uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24);
}

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + size_t(i)] = uint8_t(v >> (8 * i));
}

size_t RowBytes(int32_t width) { return (size_t(width) + 1) * 3 / 4 * 4; }

} // namespace

std::vector<uint8_t> LdMakeCustomImage(const std::vector<uint8_t>& dib, int32_t previewWidth, int32_t previewHeight)
{
    if (dib.size() < 40 || previewWidth <= 0 || previewHeight <= 0)
        return {};
    const int32_t width = Get32(dib, 4), height = Get32(dib, 8);
    const int bitCount = dib[14] | dib[15] << 8;
    if (width <= 0 || height <= 0 || bitCount != 24 || (dib.size() - 40) / RowBytes(width) < size_t(height))
        return {};
    const int32_t step = std::max({height / previewHeight, width / previewWidth, 1});
    const int32_t w = width / step, h = height / step;
    const size_t source = RowBytes(width), target = RowBytes(w);
    std::vector<uint8_t> out(40 + target * size_t(h), 0);
    std::memcpy(out.data(), dib.data(), 40);
    Put32(out, 4, uint32_t(w));
    Put32(out, 8, uint32_t(h));
    Put32(out, 20, uint32_t(target * size_t(h)));
    for (int32_t r = 0; r < h; ++r) {
        const uint8_t* from = dib.data() + 40 + source * size_t(r * step);
        uint8_t* to = out.data() + 40 + target * size_t(r);
        for (int32_t c = 0; c < w; ++c)
            std::memcpy(to + 3 * size_t(c), from + 3 * size_t(c * step), 3);
    }
    return out;
}

void LdWriteBitmapFile(const std::string& path, const std::vector<uint8_t>& dib)
{
    std::vector<uint8_t> header(14, 0);
    header[0] = 'B';
    header[1] = 'M';
    Put32(header, 2, uint32_t(dib.size() + 14));
    Put32(header, 10, 54);
    fw::DiskFile file(path, fw::DiskFile::kSafeSave);
    file.Write(header.data(), header.size());
    file.Write(dib.data(), dib.size());
    file.Commit();
}
