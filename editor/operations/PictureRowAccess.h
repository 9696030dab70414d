// Plain rows of bytes over a rectangle of a render object (reading) or of a
// new picture (writing), for built-ins that work pixel by pixel: the byte of
// pixel (x, y) of the rectangle, channel c, lies at
// Base() + y * Stride() + x * bytes per pixel + c.
#pragma once

#include <cstdint>

#include "picture/Picture.h"
#include "render/PixBuf.h"
#include "render/RenderObj.h"

class PictureRowAccess {
public:
    // Reads rect of source rendered with bytesPerPixel bytes a pixel (3 for
    // colour rows, 1 for grey rows and masks).
    PictureRowAccess(const PpQnRenderObj& source, int bytesPerPixel, const QnRect& rect);
    // Writes rect of picture: 3 bytes a pixel for a colour picture, else 1.
    // The rows start undefined; the destructor writes them into the picture.
    PictureRowAccess(const PpQnPicture& picture, const QnRect& rect);
    ~PictureRowAccess();
    PictureRowAccess(const PictureRowAccess&) = delete;
    PictureRowAccess& operator=(const PictureRowAccess&) = delete;

    uint8_t* Base() const { return base_; }
    int32_t Stride() const { return stride_; }
    const uint8_t* Row(int32_t y) const { return base_ + ptrdiff_t(y) * stride_; }
    uint8_t* Row(int32_t y) { return base_ + ptrdiff_t(y) * stride_; }

private:
    PpQnPicture picture_;
    PpQnPixBuf buffer_;
    uint8_t* base_ = nullptr;
    int32_t stride_ = 0;
};
