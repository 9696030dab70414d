// Wraps a render object that answers with pieces and always answers with
// the whole request: it asks its source piece by piece until the request is
// filled and copies the pieces into one buffer.
#pragma once

#include "render/RenderObj.h"

#include <cstdint>
#include <functional>

class QnFillRenderObj : public QnRenderObj {
public:
    static constexpr int32_t kMaxPlanes = 10;

    // The format of one plane. Only the bytes per pixel matter here; the
    // other two numbers are kept for those who pass them.
    struct PlaneFmt {
        int32_t first;
        int32_t second;
        int32_t bytesPerPixel;
    };

    // The pixels of r.
    PpQnPixBuf RenderRect(const QnXFormXY& xf, int plane, const QnRect& r, QnRenderProgress* progress);
    // The pixels of r as the source answers them: take gets each piece
    // (pixels that hold part, a part of r) until r is covered, so that a
    // caller with a store of its own copies them there directly.
    using PieceSink = std::function<void(const QnPixBuf& pixels, const QnRect& part)>;
    void RenderPieces(const QnXFormXY& xf, int plane, const QnRect& r, QnRenderProgress* progress,
                      const PieceSink& take);
    // The pixels of row y over span; an empty span raises "Bad rectangle request".
    PpQnPixBuf RenderRow(const QnXFormXY& xf, int plane, int32_t y, const QnRange& span,
                         QnRenderProgress* progress);

    PpQnRenderObj GetSpacedRender(const PpQnPixConverter& converter, int flag) override;
    PpQnRenderObj GetNativeRender() override;
    // Orders by the sources, then by the plane formats.
    int Compare(const PpQnFlVal& other) const override;

    static void* operator new(size_t size);
    static void operator delete(void* p) noexcept;

protected:
    friend struct ::QnObjCreator;

    // A plane count outside 0..10 raises "Bad number of planes".
    QnFillRenderObj(QnRenderObj* source, int32_t planes, const PlaneFmt* formats);

    void MarkFixedObjects(Visitor visit) override;
    QnRect GetRect_I(const QnXFormXY& xf) override;
    PpQnPixBuf Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request,
                        QnRect* got, QnRenderProgress* progress, int rectOnly) override;
    PpQnPixConverter GetConverterToStd() override;
    int HasSafeConversion() override;

private:
    QnRenderObj* source_;
    int32_t planes_;
    PlaneFmt formats_[kMaxPlanes] = {};
};

class PpQnFillRenderObj : public QnPp<QnFillRenderObj> {
public:
    using QnPp::QnPp;
    PpQnFillRenderObj(const PpQnRenderObj& source, int32_t planes, const QnFillRenderObj::PlaneFmt* formats);
};
