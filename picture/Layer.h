// Two render objects with colour and alpha, the upper laid over the lower
// with the "over" blend of 8-bit alpha.
#pragma once

#include "render/RenderObj.h"

class QnLayer : public QnRenderObj {
public:
    // Orders by the upper source, then the lower.
    int Compare(const PpQnFlVal& other) const override;

protected:
    friend struct ::QnObjCreator;
    friend class PpQnLayer;
    // Both already in the standard form.
    QnLayer(QnRenderObj* upper, QnRenderObj* lower);

    void MarkFixedObjects(Visitor visit) override;
    QnRect GetRect_I(const QnXFormXY& xf) override;
    PpQnPixBuf Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request,
                        QnRect* got, QnRenderProgress* progress, int rectOnly) override;
    PpQnPixConverter GetConverterToStd() override;

private:
    PpQnPixBuf BlendColour(const QnXFormXY& xf, const QnPoint& anchor, const QnRect& request, QnRect* got,
                           QnRenderProgress* progress, int rectOnly);
    PpQnPixBuf BlendAlpha(const QnXFormXY& xf, const QnPoint& anchor, const QnRect& request, QnRect* got,
                          QnRenderProgress* progress, int rectOnly);

    QnRenderObj* upper_;
    QnRenderObj* lower_;
};

class PpQnLayer : public QnPp<QnLayer> {
public:
    using QnPp::QnPp;
    // upper over lower; each is first re-expressed in the standard form.
    PpQnLayer(const PpQnRenderObj& upper, const PpQnRenderObj& lower);
};
