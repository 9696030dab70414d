#include "tasks/sketch/SketchDib.h"

#include <span>
#include <vector>

#include "framework/Clipboard.h"
#include "platform/Dib.h"

std::optional<QSize> SketchDibSize(const uint8_t* dib, size_t size)
{
    if (!dib)
        return std::nullopt;
    const auto layout = platform::ReadDibLayout(std::span<const uint8_t>(dib, size), nullptr);
    if (!layout || layout->header.biWidth <= 0 || layout->height <= 0)
        return std::nullopt;
    return QSize(layout->header.biWidth, layout->height);
}

std::optional<SketchDibImage> SketchDibToImage(const uint8_t* dib, size_t size)
{
    if (!dib)
        return std::nullopt;
    const auto layout = platform::ReadDibLayout(std::span<const uint8_t>(dib, size), nullptr);
    if (!layout)
        return std::nullopt;
    const platform::BITMAPINFOHEADER& h = layout->header;
    const int64_t width = h.biWidth;
    const int64_t height = layout->height;
    if (width <= 0 || height <= 0 || width > 65535 || height > 65535)
        return std::nullopt;
    const uint16_t bits = h.biBitCount;
    if (h.biCompression == platform::BI_RGB && (bits == 24 || bits == 32)) {
        const size_t rowBytes = h.RowBytes();
        if (layout->bitsOffset > size || (size - layout->bitsOffset) / rowBytes < static_cast<size_t>(height))
            return std::nullopt;
        const QImage image(dib + layout->bitsOffset, static_cast<int>(width), static_cast<int>(height),
                           static_cast<qsizetype>(rowBytes), bits == 24 ? QImage::Format_BGR888 : QImage::Format_RGB32);
        return SketchDibImage{image, !layout->topDown};
    }
    auto converted = fw::Clipboard::DibToImage(std::vector<uint8_t>(dib, dib + size));
    if (!converted)
        return std::nullopt;
    return SketchDibImage{*converted, false};
}
