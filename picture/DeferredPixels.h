// What a picture loaded with its full pixels still to decode keeps: its
// file's bytes and the preview decoded from them reduced by 2, 4 or 8.
#pragma once

#include "picture/Picture.h"
#include "render/XFormXY.h"

#include <cstdint>
#include <optional>
#include <vector>

struct QnDeferredPixels {
    std::vector<uint8_t> bytes;
    PpQnPicture preview;
    int32_t reduction;

    // The transform under which the preview shows what the full picture
    // shows under xf, or nothing when xf reduces an axis by less than the
    // preview's reduction (the preview would be enlarged).
    std::optional<QnXFormXY> PreviewXForm(const QnXFormXY& xf) const;
};
