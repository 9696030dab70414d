#include "drawctx/WaLayeredStretcher.h"

#include <algorithm>

WaLayeredStretcher::WaLayeredStretcher(WA* picture, const ZVXFORM& xf, const WaLayerList& layers, int format,
                                       int32_t left, int32_t right)
    : format_(format), bpp_(WaPictureSite::BytesPerPixel(format, picture->type)), left_(left), right_(right),
      pictureSite_(std::make_unique<WaPictureSite>(picture, format, WA_OUTSIDE_EDGE)),
      picture_(std::make_unique<ZVXFSTR>(xf, *pictureSite_, 0)),
      out_(nullptr, 0, left, right, bpp_ * 8), layerRow_(nullptr, 0, left, right, bpp_ * 8),
      maskRow_(nullptr, 0, left, right, 8)
{
    int index = 0;
    for (const WaLayer* l = layers.First(); l; l = l->next) {
        if (!l->visible)
            continue;
        Entry e;
        e.layer = l;
        e.index = index++;
        e.xf = ZVXFORM(l->xf.X * xf.X, l->xf.Y * xf.Y);
        e.pictureSite = std::make_unique<WaPictureSite>(l->picture, format, WA_OUTSIDE_EDGE);
        e.maskSite = std::make_unique<WaPictureSite>(l->mask, WA_PLANE_GRAY, WA_OUTSIDE_ZERO);
        e.picture = std::make_unique<ZVXFSTR>(e.xf, *e.pictureSite, 0);
        e.mask = std::make_unique<ZVXFSTR>(e.xf, *e.maskSite, 0);
        entries_.push_back(std::move(e));
    }
    if (!entries_.empty()) {
        layerBytes_.resize(size_t(right - left) * size_t(bpp_));
        maskBytes_.resize(size_t(right - left));
    }
}

WaLayeredStretcher::~WaLayeredStretcher() = default;

void WaLayeredStretcher::ProduceRow(int32_t y, uint8_t* row)
{
    const QnRect area{left_, y, right_, y + 1};
    out_.Retarget(row, y);
    picture_->Stretch(out_, area, nullptr);

    for (auto e = entries_.rbegin(); e != entries_.rend(); ++e) {
        QnRect r = e->layer->rect;
        e->xf.RevXForm(r, ZVXF_RECT_NEAREST);
        r = QnIntersectRect(r, area);
        if (r.IsEmpty())
            continue;
        // The temporary rows span the output's columns; only the area's are filled.
        const QnRect from{r.left, y, r.right, y + 1};
        layerRow_.Retarget(layerBytes_.data(), y);
        maskRow_.Retarget(maskBytes_.data(), y);
        e->picture->Stretch(layerRow_, from, nullptr);
        e->mask->Stretch(maskRow_, from, nullptr);

        const size_t first = size_t(r.left - left_);
        uint8_t* out = row + first * size_t(bpp_);
        const uint8_t* layer = layerBytes_.data() + first * size_t(bpp_);
        const uint8_t* mask = maskBytes_.data() + first;
        for (int32_t i = 0; i < r.Width(); ++i) {
            const unsigned m = mask[i];
            for (int b = 0; b < bpp_; ++b, ++out, ++layer)
                *out = uint8_t((*out * (255 - m) + *layer * m) / 255);
        }
    }
}
