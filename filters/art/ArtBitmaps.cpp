#include "filters/art/ArtBitmaps.h"

#include "base/QnExcept.h"
#include "platform/Dib.h"
#include "platform/OwnResources.h"

std::optional<ArtBitmapView> ArtBitmap(const char* name)
{
    std::optional<std::span<const uint8_t>> bytes;
    try {
        static const platform::ResourceTable table = platform::OwnResources();
        bytes = table.Find(platform::ResourceType::Bitmap, platform::ResourceName(name));
    } catch (const QnExcept&) {
        // A damaged table holds no bitmaps.
        return std::nullopt;
    }
    if (!bytes)
        return std::nullopt;
    std::string error;
    const std::optional<platform::DibLayout> layout = platform::ReadDibLayout(*bytes, &error);
    if (!layout || layout->header.biCompression != 0 || layout->topDown)
        return std::nullopt;
    ArtBitmapView view;
    view.width = layout->header.biWidth;
    view.height = layout->height;
    view.bits = layout->header.biBitCount;
    if ((view.bits != 8 && view.bits != 24) || view.width <= 0 || view.height <= 0)
        return std::nullopt;
    view.rowBytes = int32_t(platform::DibRowBytes(uint64_t(view.width), unsigned(view.bits)));
    const size_t size = size_t(view.rowBytes) * size_t(view.height);
    if (layout->bitsOffset > bytes->size() || bytes->size() - layout->bitsOffset < size)
        return std::nullopt;
    view.pixels = bytes->subspan(layout->bitsOffset, size);
    view.dib = *bytes;
    if (view.bits == 8) {
        for (const platform::RGBQUAD& q : layout->palette)
            view.palette.push_back(uint32_t(q.rgbRed) | uint32_t(q.rgbGreen) << 8 | uint32_t(q.rgbBlue) << 16);
        view.palette.resize(256, 0);
    }
    return view;
}
