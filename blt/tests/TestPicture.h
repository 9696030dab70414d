// A picture for the blitter's tests: every pixel is computed from its place
// and from the tag of the last rectangle painted over it, so a test can
// change the picture and know what every zoom of it must show. It counts
// what it is asked to render.
#pragma once

#include "render/PixConverter.h"
#include "render/RenderObj.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace blttest {

class TestPicture : public QnRenderObj {
public:
    int Compare(const PpQnFlVal& other) const override { return other.Get() == this ? 0 : 1; }

    // Blue and green follow x and y, so that a pixel taken from a
    // neighbouring column or row shows; red carries the high bits and the tag.
    void PixelAt(int32_t x, int32_t y, uint8_t* bgr) const
    {
        uint8_t tag = 0;
        for (const Painted& p : paints_)
            if (p.rect.Contains(QnPoint{x, y}))
                tag = p.tag;
        bgr[0] = uint8_t(x);
        bgr[1] = uint8_t(y);
        bgr[2] = uint8_t((x >> 8) + (y >> 8) * 16 + tag * 37);
    }

    void Paint(const QnRect& r, uint8_t tag) { paints_.push_back(Painted{r, tag}); }
    void SetSize(int32_t width, int32_t height) { rect_ = QnRect{0, 0, width, height}; }

    std::vector<QnRect> requests; // the requests of every pixel render

protected:
    friend struct ::QnObjCreator;
    // cell 0: every request is answered whole; else in cells of that size,
    // as a tiled picture answers.
    TestPicture(int32_t width, int32_t height, int32_t cell)
        : QnRenderObj(0, 0), rect_{0, 0, width, height}, cell_(cell)
    {
    }

    QnRect GetRect_I(const QnXFormXY&) override { return rect_; }
    PpQnPixConverter GetConverterToStd() override { return PpQnPixConverter(PpQnPixConverter::TAG{}); }

    PpQnPixBuf Render_I(const QnXFormXY&, int, const QnPoint& anchor, const QnRect& request, QnRect* got,
                        QnRenderProgress*, int rectOnly) override
    {
        *got = request;
        if (cell_ > 0) {
            const int32_t cx = Floor(anchor.x), cy = Floor(anchor.y);
            *got = QnIntersectRect(QnRect{cx, cy, cx + cell_, cy + cell_}, request);
        }
        if (rectOnly)
            return PpQnPixBuf();
        requests.push_back(request);
        PpQnPixBuf buf = PpQnPixBuf::ForRect(*got, 3);
        for (int32_t y = got->top; y < got->bottom; ++y)
            for (int32_t x = got->left; x < got->right; ++x)
                PixelAt(x, y, buf->Row(y - got->top) + size_t(x - got->left) * 3);
        return buf;
    }

private:
    struct Painted {
        QnRect rect;
        uint8_t tag;
    };

    int32_t Floor(int32_t v) const { return (v >= 0 ? v : v - cell_ + 1) / cell_ * cell_; }

    QnRect rect_;
    int32_t cell_;
    std::vector<Painted> paints_;
};

inline QnPp<TestPicture> MakePicture(int32_t width, int32_t height, int32_t cell = 64)
{
    return QnCreate<TestPicture>(width, height, cell);
}

} // namespace blttest
