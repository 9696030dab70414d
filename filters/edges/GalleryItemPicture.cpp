#include "filters/edges/GalleryItemPicture.h"

#include <algorithm>

ItemPicture RenderItemPicture(const Thumbnail& thumbnail, const EdgeMask& mask, const EdgesColour& colour,
                              int32_t shadow, int32_t areaWidth, int32_t areaHeight)
{
    ItemPicture p;
    const int32_t tw = thumbnail.Width(), th = thumbnail.Height();
    if (areaWidth <= 0 || areaHeight <= 0 || mask.Empty())
        return p;
    if (int64_t(areaWidth) * th <= int64_t(areaHeight) * tw) {
        p.width = areaWidth;
        p.height = std::max(1, int32_t(int64_t(th) * areaWidth / tw));
    } else {
        p.height = areaHeight;
        p.width = std::max(1, int32_t(int64_t(tw) * areaHeight / th));
    }
    const int32_t planes = thumbnail.Planes();
    int32_t dx = 0, dy = 0;
    const bool withShadow = shadow >= 1 && shadow <= 4;
    if (withShadow)
        ShadowOffset(shadow, p.width, p.height, dx, dy);
    auto maskAt = [&](int32_t x, int32_t y) {
        return int32_t(mask.At(int32_t(int64_t(x) * mask.Width() / p.width), int32_t(int64_t(y) * mask.Height() / p.height)));
    };
    p.rgb.resize(size_t(p.width) * size_t(p.height) * 3);
    for (int32_t y = 0; y < p.height; ++y)
        for (int32_t x = 0; x < p.width; ++x) {
            const uint8_t* source = thumbnail.Pixel(int32_t(int64_t(x) * tw / p.width), int32_t(int64_t(y) * th / p.height));
            const int32_t m = maskAt(x, y);
            int32_t shade = -1;
            if (withShadow && m > kShadowThreshold && x + dx > 0 && x + dx < p.width && y + dy > 0 && y + dy < p.height)
                shade = maskAt(x + dx, y + dy);
            uint8_t* out = &p.rgb[(size_t(y) * size_t(p.width) + size_t(x)) * 3];
            for (int32_t k = 0; k < 3; ++k) {
                const int32_t plane = planes == 1 ? 0 : k;
                int32_t v = BlendByte(source[plane], colour.plane[plane], m);
                if (shade >= 0)
                    v = ShadowByte(v, colour.plane[plane], shade);
                out[k] = uint8_t(v);
            }
        }
    return p;
}
