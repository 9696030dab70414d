#include "scanner/ScanFrame.h"

#include <cstring>

#include "platform/Dib.h"

void QnScanFrame::Begin(const QnScanFormat& format)
{
    format_ = format;
    samples_.assign(size_t(format.width) * size_t(format.height) * size_t(format.Channels()), 0);
}

void QnScanFrame::Row(int32_t y, const uint8_t* samples)
{
    const size_t rowSize = size_t(format_.width) * size_t(format_.Channels());
    if (y >= 0 && y < format_.height)
        std::memcpy(samples_.data() + size_t(y) * rowSize, samples, rowSize);
}

const uint8_t* QnScanFrame::RowSamples(int32_t y) const
{
    return samples_.data() + size_t(y) * size_t(format_.width) * size_t(format_.Channels());
}

void QnScanFrame::ToDibRow(const QnScanFormat& format, const uint8_t* samples, uint8_t* out)
{
    const size_t width = size_t(format.width);
    if (format.colour) {
        for (size_t x = 0; x < width; ++x) {
            out[3 * x] = samples[3 * x + 2];
            out[3 * x + 1] = samples[3 * x + 1];
            out[3 * x + 2] = samples[3 * x];
        }
    } else {
        std::memcpy(out, samples, width);
    }
    const size_t used = width * size_t(format.Channels());
    const size_t padded = platform::DibRowBytes(width, format.colour ? 24 : 8);
    std::memset(out + used, 0, padded - used);
}

std::vector<uint8_t> QnScanFrame::ToPackedDib() const
{
    std::vector<platform::RGBQUAD> palette;
    if (!format_.colour)
        for (int level = 0; level < 256; ++level)
            palette.push_back({uint8_t(level), uint8_t(level), uint8_t(level), 0});
    const uint16_t bits = format_.colour ? 24 : 8;
    std::vector<uint8_t> dib = platform::MakeDibHeader(format_.width, format_.height, bits, palette, format_.dpi,
                                                       format_.dpi);
    const size_t rowBytes = platform::DibRowBytes(uint64_t(format_.width), bits);
    const size_t bitsAt = dib.size();
    dib.resize(bitsAt + rowBytes * size_t(format_.height));
    for (int32_t y = 0; y < format_.height; ++y)
        ToDibRow(format_, RowSamples(y), dib.data() + bitsAt + size_t(format_.height - 1 - y) * rowBytes);
    return dib;
}
