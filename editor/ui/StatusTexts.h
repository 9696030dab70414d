// The three live texts of the status bar: zoom, pointer position and pixel
// colour of the picture under the pointer, or all three empty elsewhere.
#pragma once

#include "platform/Dib.h"
#include "render/Rect.h"

#include <cstdint>
#include <optional>
#include <string>

class CLdPictureViewProbe;
class QPoint;

// What the pointer is over when it is over a picture.
struct LdPictureSample {
    QnPoint at;                   // picture coordinates
    platform::COLORREF colour = 0;
    int32_t scaleNum = 1;         // horizontal picture-to-screen scale n / d
    uint32_t scaleDen = 1;
};

struct LdStatusTexts {
    std::string zoom;
    std::string position;
    std::string colour;

    static LdStatusTexts For(const std::optional<LdPictureSample>& sample);
    bool operator==(const LdStatusTexts&) const = default;
};

// The sample of a view at a screen point, none off its client area.
std::optional<LdPictureSample> LdSampleView(const CLdPictureViewProbe& view, const QPoint& screenPoint);
