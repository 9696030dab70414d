// Drawing a packed device-independent bitmap (header, colour table, rows)
// that the sketch holds or borrows. 24- and 32-bit pictures, the form the
// editor hands over, are drawn straight from their rows; other depths are
// converted first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include <QImage>

struct SketchDibImage {
    QImage image;
    // The image's first line is the picture's last one.
    bool bottomUp = false;
};

// The picture of the size bytes at dib, or nothing when they hold no
// picture that can be shown. The image may read dib's memory, which must
// outlive it.
std::optional<SketchDibImage> SketchDibToImage(const uint8_t* dib, size_t size);

// Width and height of the picture (the height always positive), or nothing.
std::optional<QSize> SketchDibSize(const uint8_t* dib, size_t size);
