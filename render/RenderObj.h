// The render protocol: every picture, layer, conversion, fill and stretch is
// a render object that, asked for a rectangle of one plane under a 2-D
// transform, hands back pixels for one rectangle inside the request that
// holds the anchor. Callers that need the whole request assemble it from
// such pieces (QnFillRenderObj). Plane 0 is colour, plane 1 alpha.
#pragma once

#include "lang/LsmDataObj.h"
#include "render/PixBuf.h"
#include "render/Rect.h"
#include "render/RenderProgress.h"
#include "render/XFormXY.h"

#include <cstdint>

class PpQnRenderObj;
class PpQnPixConverter;

class QnRenderObj : public QnLsmDataObj {
public:
    // The rectangle the object covers under xf.
    virtual QnRect GetRect(const QnXFormXY& xf) { return GetRect_I(xf); }
    // Pixels of plane for a rectangle inside request that holds anchor; that
    // rectangle goes to *got when got is given. rectOnly nonzero: only the
    // rectangle, with an empty buffer. An anchor outside the request, or an
    // answer that leaves the request, raises "Bad rectangle request". The
    // buffer is the caller's: writing to it never reaches pixels that the
    // object or anyone else keeps.
    virtual PpQnPixBuf Render(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request,
                              QnRect* got, QnRenderProgress* progress, int rectOnly);
    // The object re-expressed in the pixel space of converter.
    virtual PpQnRenderObj GetSpacedRender(const PpQnPixConverter& converter, int flag);
    // The object in its own pixel space.
    virtual PpQnRenderObj GetNativeRender();
    // What a screen stretch of this object by zoom draws from: the object
    // itself with zoom in *stretch, unless it keeps a smaller copy of its
    // pixels that shows the same at that zoom (a picture whose full pixels
    // are still to be decoded): then that copy, with the zoom that stretches
    // it alike. Only what is shown may come from such a copy; anything that
    // computes with pixels renders the object itself.
    virtual PpQnRenderObj GetZoomSource(const QnXFormXY& zoom, QnXFormXY* stretch);

    // The block of at most w x h pixels that starts at anchor inside rect
    // (see QnCalcRect); an anchor outside rect raises "Bad rectangle request".
    static QnRect CalcRect(const QnPoint& anchor, const QnRect& rect, int32_t w, int32_t h);

protected:
    friend class QnSpacedRenderObj;
    friend class PpQnSpacedRenderObj;

    // unique: the value's unique flag; the cache option is not used.
    QnRenderObj(int unique, int cacheOption);

    // Render objects are computed, not stored: loading reads nothing and
    // saving keeps all there is.
    void LoadData(const PpQnLsmDsc& dsc, QnProcessControl* control) override;
    int SaveData(const PpQnLsmDsc& dsc, QnProcessControl* control) const override;

    virtual QnRect GetRect_I(const QnXFormXY& xf) = 0;
    // The worker behind Render: for a non-empty request it answers a
    // non-empty rectangle that holds the anchor, rows top to bottom.
    virtual PpQnPixBuf Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request,
                                QnRect* got, QnRenderProgress* progress, int rectOnly) = 0;
    // The converter from the object's pixel space to the standard form.
    virtual PpQnPixConverter GetConverterToStd() = 0;
    // Nonzero when converting to the standard form and back loses nothing.
    virtual int HasSafeConversion();

    // Orders two render objects by class first, then by the class's own
    // Compare: what wrappers compare when they compare their sources.
    static int CompareObjects(const QnRenderObj* a, const QnRenderObj* b);
};

class PpQnRenderObj : public QnPp<QnRenderObj> {
public:
    using QnPp::QnPp;
    PpQnRenderObj(const QnPp<QnRenderObj>& other) : QnPp(other) {}
};
