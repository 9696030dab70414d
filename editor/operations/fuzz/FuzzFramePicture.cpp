// The reader of frame and mat pictures on any bytes: it refuses or gives a
// picture whose pixel rows are all there, and a picture it gives is written
// and read back unchanged.
#include "editor/operations/FramePicture.h"

#include <cstdint>
#include <span>

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<FramePicture> picture = DecodeFramePicture(std::span(data, size));
    if (!picture)
        return 0;
    Check(picture->width > 0 && picture->height > 0);
    Check(picture->width <= kFramePictureMaxSide && picture->height <= kFramePictureMaxSide);
    Check(picture->bits.size() == size_t(picture->Stride()) * size_t(picture->height));
    const std::optional<FramePicture> again = DecodeFramePicture(EncodeFramePicture(*picture));
    Check(again && again->width == picture->width && again->height == picture->height && again->bits == picture->bits);
    return 0;
}
