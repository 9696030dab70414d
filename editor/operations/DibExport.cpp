#include "editor/operations/DibExport.h"

#include <algorithm>
#include <cstring>

#include "picture/CSConv.h"
#include "platform/Dib.h"
#include "platform/ZeroedBytes.h"
#include "render/FillRenderObj.h"

namespace {
// Rows rendered at a time: the picture is never rendered whole.
constexpr int32_t kBand = 64;
}  // namespace

std::vector<uint8_t> RenderObjToDib(const PpQnRenderObj& obj, int bytesPerPixel)
{
    if (!obj)
        return {};
    const QnRect rect = obj->GetRect(QnXFormXY());
    const int32_t width = int32_t(std::max<int64_t>(rect.Width(), 0));
    const int32_t height = int32_t(std::max<int64_t>(rect.Height(), 0));
    const int entries = bytesPerPixel == 1 ? 256 : 0;
    const size_t stride = size_t(platform::DibRowBytes(uint64_t(width), unsigned(8 * bytesPerPixel)));
    const size_t headerBytes = platform::BITMAPINFOHEADER::kSize + 4 * size_t(entries);

    std::vector<uint8_t> dib = platform::ZeroedBytes(headerBytes + stride * size_t(height));
    platform::BITMAPINFOHEADER header;
    header.biWidth = width;
    header.biHeight = height;
    header.biBitCount = uint16_t(8 * bytesPerPixel);
    header.biXPelsPerMeter = 300;
    header.biYPelsPerMeter = 300;
    header.Write(dib.data());
    for (int i = 0; i < entries; ++i) {
        uint8_t* entry = dib.data() + platform::BITMAPINFOHEADER::kSize + 4 * i;
        entry[0] = entry[1] = entry[2] = uint8_t(i);
    }
    if (width == 0 || height == 0)
        return dib;

    const QnFillRenderObj::PlaneFmt format{bytesPerPixel, 1, bytesPerPixel};
    // Paletted and grey pictures render their own form unless asked for
    // the standard one.
    const PpQnPixConverter converter = bytesPerPixel == 3 ? PpQnPixConverter(PpQnPixConverter::TAG{})
                                                          : PpQnPixConverter(PpQnCS(PpQnCS::TO_GRAY));
    const PpQnFillRenderObj fill(obj->GetSpacedRender(converter, 0), 1, &format);
    const size_t rowBytes = size_t(width) * size_t(bytesPerPixel);
    for (int32_t top = 0; top < height; top += kBand) {
        const int32_t rows = std::min(kBand, height - top);
        const QnRect band{rect.left, rect.top + top, rect.right, rect.top + top + rows};
        const PpQnPixBuf pixels = fill->RenderRect(QnXFormXY(), 0, band, nullptr);
        for (int32_t y = 0; y < rows; ++y) {
            // The first DIB row is the picture's last.
            uint8_t* out = dib.data() + headerBytes + stride * size_t(height - 1 - (top + y));
            std::memcpy(out, pixels->CRow(y), rowBytes);
        }
    }
    return dib;
}
