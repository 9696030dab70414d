// Render objects for tests: an in-memory picture served in tiles, sources
// that break the protocol, and a converter that inverts pixels.
#pragma once

#include "render/PixConverter.h"
#include "render/RenderObj.h"
#include "render/Rgn.h"

#include <cstdint>
#include <vector>

namespace rendertest {

// The pixels of the test picture: plane 0 colour (3 bytes), plane 1 alpha.
inline uint8_t ColourByte(int32_t x, int32_t y, int k) { return uint8_t(k == 0 ? x : k == 1 ? y : x * 7 + y * 13); }
inline uint8_t AlphaByte(int32_t x, int32_t y) { return uint8_t(200 + (x + y) % 50); }
inline int32_t BytesOf(int plane) { return plane == 0 ? 3 : 1; }

// A width x height picture at the origin that answers each request with the
// tile cell of the anchor clipped to the request, as a view that shares its
// own pixels, as a tiled picture does. Outside the picture it answers the
// piece of the request outside it that holds the anchor, from one shared
// blank tile (colour 0, alpha 0). The transform is not looked at.
class MemRenderObj : public QnRenderObj {
public:
    int Compare(const PpQnFlVal& other) const override
    {
        const auto* o = dynamic_cast<const MemRenderObj*>(other.Get());
        return o->id_ == id_ ? 0 : o->id_ < id_ ? 1 : -1;
    }

    uint8_t Pixel(int plane, int32_t x, int32_t y, int k) const { return planes_[plane]->CRow(y)[x * BytesOf(plane) + k]; }
    const uint8_t* BlankBytes() const { return blank_->CRow(0); }

    std::vector<QnRect> requests; // every request of a pixel (not rectangle-only) render
    PpQnPixConverter toStd{PpQnPixConverter::TAG{}};
    int safe = 0;

protected:
    friend struct ::QnObjCreator;
    MemRenderObj(int32_t width, int32_t height, int32_t tile, int id)
        : QnRenderObj(0, 0), rect_{0, 0, width, height}, tile_(tile), id_(id)
    {
        for (int plane = 0; plane < 2; ++plane) {
            planes_[plane] = PpQnPixBuf::ForRect(rect_, BytesOf(plane));
            for (int32_t y = 0; y < height; ++y)
                for (int32_t x = 0; x < width; ++x)
                    for (int k = 0; k < BytesOf(plane); ++k)
                        planes_[plane]->Row(y)[x * BytesOf(plane) + k] = plane == 0 ? ColourByte(x, y, k) : AlphaByte(x, y);
        }
        blank_ = PpQnPixBuf::ForRect(QnRect{0, 0, tile, tile}, 3);
        std::fill_n(blank_->Row(0), 3 * tile * tile, uint8_t(0));
    }

    QnRect GetRect_I(const QnXFormXY&) override { return rect_; }
    PpQnPixConverter GetConverterToStd() override { return toStd; }
    int HasSafeConversion() override { return safe; }

    PpQnPixBuf Render_I(const QnXFormXY&, int plane, const QnPoint& anchor, const QnRect& request, QnRect* got,
                        QnRenderProgress*, int rectOnly) override
    {
        const int32_t bytes = BytesOf(plane);
        if (rect_.Contains(anchor)) {
            const int32_t cx = anchor.x / tile_ * tile_, cy = anchor.y / tile_ * tile_;
            *got = QnIntersectRect(QnIntersectRect(QnRect{cx, cy, cx + tile_, cy + tile_}, request), rect_);
            if (rectOnly)
                return PpQnPixBuf();
            requests.push_back(request);
            return PpQnPixBuf(planes_[plane], *got, got->top, got->left * bytes, 0);
        }
        *got = (QnRgn(request) - QnRgn(rect_)).from_point(anchor);
        got->right = std::min(got->right, got->left + tile_);
        got->bottom = std::min(got->bottom, got->top + tile_);
        if (rectOnly)
            return PpQnPixBuf();
        requests.push_back(request);
        return PpQnPixBuf(blank_, *got, 0, 0, 0);
    }

private:
    QnRect rect_;
    int32_t tile_;
    int id_;
    PpQnPixBuf planes_[2];
    PpQnPixBuf blank_;
};

// Ways of breaking the protocol.
enum class Breach {
    AnchorMissing, // a piece of the request without the anchor
    Nothing,       // the all-zero rectangle
    ShortPixels,   // the right rectangle over too few bytes
};

class BrokenRenderObj : public QnRenderObj {
public:
    int Compare(const PpQnFlVal&) const override { return 0; }

protected:
    friend struct ::QnObjCreator;
    explicit BrokenRenderObj(Breach breach) : QnRenderObj(0, 0), breach_(breach) {}

    QnRect GetRect_I(const QnXFormXY&) override { return QnRect{0, 0, 100, 100}; }
    PpQnPixConverter GetConverterToStd() override { return PpQnPixConverter(PpQnPixConverter::TAG{}); }

    PpQnPixBuf Render_I(const QnXFormXY&, int, const QnPoint& anchor, const QnRect& request, QnRect* got,
                        QnRenderProgress*, int) override
    {
        switch (breach_) {
        case Breach::AnchorMissing:
            *got = QnRect{request.right - 1, request.bottom - 1, request.right, request.bottom};
            if (got->Contains(anchor))
                *got = QnRect{};
            return PpQnPixBuf();
        case Breach::Nothing:
            *got = QnRect{};
            return PpQnPixBuf();
        case Breach::ShortPixels:
            *got = QnRect{anchor.x, anchor.y, anchor.x + 1, anchor.y + 1};
            return PpQnPixBuf();
        }
        return PpQnPixBuf();
    }

private:
    Breach breach_;
};

// Renders its source with every byte inverted.
class InvertRenderObj : public QnRenderObj {
public:
    int Compare(const PpQnFlVal& other) const override
    {
        return CompareObjects(source_, dynamic_cast<const InvertRenderObj*>(other.Get())->source_);
    }

protected:
    friend struct ::QnObjCreator;
    explicit InvertRenderObj(QnRenderObj* source) : QnRenderObj(0, 0), source_(source) {}

    void MarkFixedObjects(Visitor visit) override { visit(source_); }
    QnRect GetRect_I(const QnXFormXY& xf) override { return source_->GetRect(xf); }
    PpQnPixConverter GetConverterToStd() override { return PpQnPixConverter(PpQnPixConverter::TAG{}); }
    PpQnPixBuf Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request, QnRect* got,
                        QnRenderProgress* progress, int rectOnly) override
    {
        PpQnPixBuf buf = source_->Render(xf, plane, anchor, request, got, progress, rectOnly);
        if (rectOnly)
            return buf;
        for (int32_t y = 0; y < got->Height(); ++y)
            for (int64_t b = 0; b < got->Width() * BytesOf(plane); ++b)
                buf->Row(y)[b] = uint8_t(~buf->CRow(y)[b]);
        return buf;
    }

private:
    QnRenderObj* source_;
};

// Converts by inverting; its inverse is what inverse says (itself when null).
class InvertConverter : public QnPixConverter {
public:
    PpQnRenderObj ConvertRender(const PpQnRenderObj& source) override
    {
        ++conversions;
        return PpQnRenderObj(QnCreate<InvertRenderObj>(source.Get()));
    }
    PpQnPixConverter GetInverse(int) override { return inverse ? inverse : PpQnPixConverter(this); }
    int IsSame(const QnPixConverter* other) override { return other == this; }

    PpQnPixConverter inverse;
    int conversions = 0;

protected:
    friend struct ::QnObjCreator;
    InvertConverter() = default;
    void MarkFixedObjects(Visitor visit) override { visit(inverse.Get()); }
};

// Render objects that tests make.
inline QnPp<MemRenderObj> MakeMem(int32_t width, int32_t height, int32_t tile = 64, int id = 0)
{
    return QnCreate<MemRenderObj>(width, height, tile, id);
}

} // namespace rendertest
