// Another render object seen moved by (dx, dy): a reduced selection mask
// placed where the selection lies in the reduced picture. The pixels are
// the source's own; only their rectangles move.
#pragma once

#include "render/RenderObj.h"

#include <cstdint>

class QnShiftedObj : public QnRenderObj {
public:
    int32_t Dx() const { return dx_; }
    int32_t Dy() const { return dy_; }

protected:
    friend struct ::QnObjCreator;
    QnShiftedObj(const PpQnRenderObj& source, int32_t dx, int32_t dy);

    // The source lives as long as the shifted object.
    void MarkFixedObjects(Visitor visit) override;
    QnRect GetRect_I(const QnXFormXY& xf) override;
    PpQnPixBuf Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request,
                        QnRect* got, QnRenderProgress* progress, int rectOnly) override;
    PpQnPixConverter GetConverterToStd() override;

private:
    QnRenderObj* source_;
    int32_t dx_;
    int32_t dy_;
};

class PpQnShiftedObj : public QnPp<QnShiftedObj> {
public:
    using QnPp::QnPp;
    PpQnShiftedObj(const PpQnRenderObj& source, int32_t dx, int32_t dy);
};
