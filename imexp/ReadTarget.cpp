#include "imexp/ReadTarget.h"

#include "imexp/Fail.h"
#include "imexp/ImExp.h"

#include <algorithm>
#include <string>

namespace imexp {

ReadTarget::ReadTarget(CAbstractReadWA& sink, CProgress* progress) : sink_(sink), progress_(progress) {}

ReadTarget::~ReadTarget()
{
    if (started_)
        progress_->End();
}

int32_t ReadTarget::ReductionFor(int64_t width, int64_t height) const
{
    if (minWidth_ <= 0 || minHeight_ <= 0)
        return 1;
    int32_t by = 1;
    // Rounded up, as the decoder rounds a reduced size.
    while (by < 8 && (width + 2 * by - 1) / (2 * by) >= minWidth_ && (height + 2 * by - 1) / (2 * by) >= minHeight_)
        by *= 2;
    return by;
}

void ReadTarget::CheckSize(int64_t width, int64_t height)
{
    if (width <= 0 || height <= 0)
        Fail("the picture has no pixels or an impossible size");
    if (width > INT32_MAX / 4 || height > INT32_MAX / 4 || uint64_t(width) * uint64_t(height) > PixelLimit())
        Fail("the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) +
             " pixels; at most " + std::to_string(PixelLimit()) + " pixels are allowed)");
}

void ReadTarget::Check(int answer, const char* what)
{
    if (answer != 0)
        Fail(std::string("the picture refused its ") + what);
}

void ReadTarget::Begin(int32_t width, int32_t height, int type, const PALETTEENTRY* palette, int count,
                       int32_t hdpi, int32_t vdpi)
{
    CheckSize(width, height);
    width_ = width;
    height_ = height;
    type_ = type;
    rowBytes_ = size_t(platform::DibRowBytes(uint64_t(width), unsigned(WaBitsPerPixel(type))));
    row_.assign(rowBytes_, 0);
    stepEvery_ = std::max<int32_t>(1, height / 100);

    if (progress_) {
        progress_->Start();
        started_ = true;
    }
    Check(sink_.SetImageNum(1), "image count");
    Check(sink_.SetLayersNum(0, 1), "layer count");
    Check(sink_.SetSize(0, 0, width, height), "size");
    Check(sink_.SetType(0, 0, type), "pixel type");
    const int size = WaPaletteSize(type);
    if (size > 0) {
        PALETTEENTRY full[256] = {};
        for (int i = 0; i < size; ++i) {
            if (type == WA_1BIT)
                full[i] = i ? PALETTEENTRY{255, 255, 255, 0} : PALETTEENTRY{0, 0, 0, 0};
            else if (type == WA_GRAY)
                full[i] = PALETTEENTRY{uint8_t(i), uint8_t(i), uint8_t(i), 0};
            else if (i < count)
                full[i] = PALETTEENTRY{palette[i].peRed, palette[i].peGreen, palette[i].peBlue, 0};
        }
        Check(sink_.SetPalette(0, 0, full, size), "palette");
    }
    Check(sink_.SetRes(0, 0, hdpi > 0 ? hdpi : 300, vdpi > 0 ? vdpi : 300), "resolution");
}

void ReadTarget::PutRow(int32_t row, const uint8_t* data)
{
    Check(sink_.SetRow(0, 0, row, data), "rows");
    if (++rowsDone_ % stepEvery_ == 0 || rowsDone_ == height_)
        Step(rowsDone_, height_);
}

void ReadTarget::Step(int32_t done, int32_t total)
{
    if (!progress_)
        return;
    if (total > 0 && int64_t(done) * shownTotal_ >= int64_t(shownDone_) * total) {
        shownDone_ = done;
        shownTotal_ = total;
    }
    if (!progress_->Step(shownDone_, shownTotal_))
        Fail(kCancelled);
}

} // namespace imexp
