// Helpers of the picture tests: whole rectangles rendered through a fill
// object, pictures filled through the import sink, and a source whose
// colour and alpha are functions of the pixel.
#pragma once

#include "lang/testsupport/MemLsmDsc.h"
#include "picture/Picture.h"
#include "render/FillRenderObj.h"
#include "render/PixConverter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

namespace pictest {

// The pixels of r of one plane, bytesPerPixel each, rows packed.
inline std::vector<uint8_t> RenderRect(const PpQnRenderObj& obj, int plane, const QnRect& r, int32_t bytesPerPixel,
                                       const QnXFormXY& xf = QnXFormXY())
{
    const QnFillRenderObj::PlaneFmt formats[2] = {{bytesPerPixel, 1, bytesPerPixel}, {1, 1, 1}};
    PpQnFillRenderObj fill(obj, 2, formats);
    PpQnPixBuf buf = fill->RenderRect(xf, plane, r, nullptr);
    const size_t rowBytes = size_t(r.Width()) * size_t(plane == 0 ? bytesPerPixel : 1);
    std::vector<uint8_t> out(rowBytes * size_t(r.Height()));
    for (int32_t y = 0; y < r.Height(); ++y)
        std::memcpy(out.data() + rowBytes * size_t(y), buf->CRow(y), rowBytes);
    return out;
}

// Colour and alpha given per pixel over a rectangle; transparent black
// outside. Answers every request whole.
class FuncRenderObj : public QnRenderObj {
public:
    using Colour = std::function<void(int32_t x, int32_t y, uint8_t* bgr)>;
    using Alpha = std::function<uint8_t(int32_t x, int32_t y)>;

protected:
    friend struct ::QnObjCreator;
    FuncRenderObj(const QnRect& rect, Colour colour, Alpha alpha)
        : QnRenderObj(1, 0), rect_(rect), colour_(std::move(colour)), alpha_(std::move(alpha))
    {
    }
    QnRect GetRect_I(const QnXFormXY&) override { return rect_; }
    PpQnPixConverter GetConverterToStd() override { return PpQnPixConverter(PpQnPixConverter::TAG{}); }
    int HasSafeConversion() override { return 1; }
    PpQnPixBuf Render_I(const QnXFormXY&, int plane, const QnPoint&, const QnRect& request, QnRect* got,
                        QnRenderProgress*, int rectOnly) override
    {
        *got = request;
        if (rectOnly)
            return PpQnPixBuf();
        const int32_t bytes = plane == 0 ? 3 : 1;
        PpQnPixBuf out = PpQnPixBuf::ForRect(request, bytes);
        for (int32_t y = request.top; y < request.bottom; ++y)
            for (int32_t x = request.left; x < request.right; ++x) {
                uint8_t* p = out->Row(y - request.top) + (x - request.left) * bytes;
                const bool in = rect_.Contains(QnPoint{x, y});
                if (plane == 0) {
                    p[0] = p[1] = p[2] = 0;
                    if (in)
                        colour_(x, y, p);
                } else {
                    p[0] = in ? alpha_(x, y) : 0;
                }
            }
        return out;
    }

private:
    QnRect rect_;
    Colour colour_;
    Alpha alpha_;
};

inline PpQnRenderObj MakeFunc(const QnRect& rect, FuncRenderObj::Colour colour, FuncRenderObj::Alpha alpha)
{
    return PpQnRenderObj(QnCreate<FuncRenderObj>(rect, std::move(colour), std::move(alpha)));
}

// A small deterministic byte sequence.
inline uint8_t Noise(uint32_t i) { return uint8_t((i * 2654435761u) >> 13); }

// The stored form of pic: its type, size, resolutions, palette and pixels
// as bytes, which compare two pictures whole.
inline std::vector<uint8_t> StoredForm(const PpQnPicture& pic)
{
    PpQnMemLsmDsc dsc = QnMemLsmDsc::Make("stored");
    EXPECT_EQ(pic->Save(PpQnLsmDsc(dsc), nullptr), 0);
    return dsc->Bytes();
}

} // namespace pictest
