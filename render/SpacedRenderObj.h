// A render object re-expressed in another pixel space: it renders through
// its source directly when the two spaces agree losslessly, else through the
// source converted into the standard form and on into the wanted space.
#pragma once

#include "render/PixConverter.h"
#include "render/RenderObj.h"

class QnSpacedRenderObj : public QnRenderObj {
public:
    PpQnRenderObj GetSpacedRender(const PpQnPixConverter& converter, int flag) override;
    PpQnRenderObj GetNativeRender() override;
    // Orders by what the objects render: the rendering objects, class first.
    int Compare(const PpQnFlVal& other) const override;

    static void* operator new(size_t size);
    static void operator delete(void* p) noexcept;

protected:
    friend struct ::QnObjCreator;
    friend class PpQnSpacedRenderObj;

    explicit QnSpacedRenderObj(QnRenderObj* source);

    void MarkFixedObjects(Visitor visit) override;
    QnRect GetRect_I(const QnXFormXY& xf) override;
    PpQnPixBuf Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request,
                        QnRect* got, QnRenderProgress* progress, int rectOnly) override;
    PpQnPixConverter GetConverterToStd() override;
    int HasSafeConversion() override;

private:
    QnRenderObj* source_;
    QnRenderObj* rendering_;
};

class PpQnSpacedRenderObj : public QnPp<QnSpacedRenderObj> {
public:
    using QnPp::QnPp;
    // The spaced object of source for the wanted converter, given the
    // source's converter to the standard form.
    PpQnSpacedRenderObj(const PpQnRenderObj& source, const PpQnPixConverter& wanted,
                        const PpQnPixConverter& toStd, int flag);
};
