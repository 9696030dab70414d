// A selection as an 8-bit mask: 255 inside the region, 0 outside. The mask
// covers the region's bounding box; every request outside it is served from
// one shared tile of zeros. An empty region stands for the whole picture: its
// mask covers (0, 0, width, height) with 255, served from one shared tile.
#pragma once

#include "render/PixBuf.h"
#include "render/RenderObj.h"
#include "render/Rgn.h"

class MaskRenderObj : public QnRenderObj {
public:
    // Masks are unique values: ordered by identity.
    int Compare(const PpQnFlVal& other) const override;
    const QnRect& MaskRect() const { return maskRect_; }

protected:
    friend struct ::QnObjCreator;
    MaskRenderObj(const QnRgn& region, int32_t width, int32_t height);

    QnRect GetRect_I(const QnXFormXY& xf) override;
    PpQnPixBuf Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request,
                        QnRect* got, QnRenderProgress* progress, int rectOnly) override;
    PpQnPixConverter GetConverterToStd() override;
    int HasSafeConversion() override { return 1; }

private:
    QnRect maskRect_;
    PpQnPixBuf mask_{nullptr};      // the region's box; none for the whole picture
    PpQnPixBuf fullTile_{nullptr};  // for the whole picture
    PpQnPixBuf zeroTile_;
};

using PpMaskRenderObj = QnPp<MaskRenderObj>;
