#include "imexp/WriteSource.h"

#include "imexp/Fail.h"
#include "imexp/PaletteMapper.h"
#include "imexp/ReadTarget.h"

#include <algorithm>
#include <string>

namespace imexp {

WriteSource::WriteSource(const CAbstractWriteWA& source, CProgress* progress) : source_(source), progress_(progress)
{
    int width = 0, height = 0, type = 0;
    Check(source_.GetSize(0, 0, width, height), "size");
    ReadTarget::CheckSize(width, height);
    Check(source_.GetType(0, 0, type), "pixel type");
    if (WaBitsPerPixel(type) == 0)
        Fail("the picture has an unknown pixel type (" + std::to_string(type) + ")");
    width_ = width;
    height_ = height;
    type_ = type;
    const int size = WaPaletteSize(type);
    if (size > 0) {
        palette_.assign(256, PALETTEENTRY{});
        if (type == WA_1BIT || type == WA_GRAY) {
            for (int i = 0; i < size; ++i) {
                const uint8_t v = type == WA_1BIT ? uint8_t(i * 255) : uint8_t(i);
                palette_[size_t(i)] = PALETTEENTRY{v, v, v, 0};
            }
        } else {
            Check(source_.GetPalette(0, 0, palette_.data()), "palette");
        }
        palette_.resize(size_t(size));
        for (PALETTEENTRY& e : palette_)
            e.peFlags = 0;
    }
    int h = 0, v = 0;
    Check(source_.GetRes(0, 0, h, v), "resolution");
    hdpi_ = h > 0 && h < 1000000 ? h : 300;
    vdpi_ = v > 0 && v < 1000000 ? v : 300;
    row_.assign(size_t(platform::DibRowBytes(uint64_t(width_), unsigned(WaBitsPerPixel(type_)))), 0);
    stepEvery_ = std::max<int32_t>(1, height_ / 100);
    if (progress_) {
        progress_->Start();
        started_ = true;
    }
}

WriteSource::~WriteSource()
{
    if (started_)
        progress_->End();
}

void WriteSource::Check(int answer, const char* what) const
{
    if (answer != 0)
        Fail(std::string("the picture could not give its ") + what);
}

const uint8_t* WriteSource::Row(int32_t row)
{
    Check(source_.GetRow(0, 0, row, row_.data()), "rows");
    if ((++rowsDone_ % stepEvery_ == 0 || rowsDone_ == height_) && progress_ &&
        !progress_->Step(rowsDone_, height_))
        Fail(kCancelled);
    return row_.data();
}

void PalettedToBgr(const uint8_t* row, int type, const std::vector<PALETTEENTRY>& palette, int32_t width, uint8_t* out)
{
    const int bits = WaBitsPerPixel(type);
    for (int32_t x = 0; x < width; ++x) {
        unsigned index;
        if (bits == 1)
            index = (row[x >> 3] >> (7 - (x & 7))) & 1;
        else if (bits == 4)
            index = (row[x >> 1] >> (x & 1 ? 0 : 4)) & 0x0F;
        else
            index = row[x];
        const PALETTEENTRY& e = palette[std::min<size_t>(index, palette.size() - 1)];
        out[3 * x] = e.peBlue;
        out[3 * x + 1] = e.peGreen;
        out[3 * x + 2] = e.peRed;
    }
}

} // namespace imexp
