#include "render/RenderObj.h"

#include "render/CalcRect.h"
#include "render/PixConverter.h"
#include "render/RenderRcStr.h"
#include "render/SpacedRenderObj.h"

#include <typeinfo>

QnRenderObj::QnRenderObj(int unique, int) : QnLsmDataObj(unique) {}

void QnRenderObj::LoadData(const PpQnLsmDsc&, QnProcessControl*) {}

int QnRenderObj::SaveData(const PpQnLsmDsc&, QnProcessControl*) const { return 0; }

int QnRenderObj::HasSafeConversion() { return 0; }

PpQnPixBuf QnRenderObj::Render(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request,
                               QnRect* got, QnRenderProgress* progress, int rectOnly)
{
    if (!request.Contains(anchor))
        QN_RENDER_RAISE(QN_RENDER_BAD_RECT_REQUEST, "render");
    QnRect obtained{};
    PpQnPixBuf buf = Render_I(xf, plane, anchor, request, &obtained, progress, rectOnly);
    if (QnIntersectRect(obtained, request) != obtained)
        QN_RENDER_RAISE(QN_RENDER_BAD_RECT_REQUEST, "render");
    if (got)
        *got = obtained;
    // Workers hand out views of pixels they keep (tiles, blank tiles); the
    // caller gets its own copy-on-write twin, so that a write unshares the
    // store instead of changing the keeper's pixels.
    return buf ? PpQnPixBuf(buf, 1) : buf;
}

PpQnRenderObj QnRenderObj::GetSpacedRender(const PpQnPixConverter& converter, int flag)
{
    return PpQnSpacedRenderObj(PpQnRenderObj(this), converter, GetConverterToStd(), flag);
}

PpQnRenderObj QnRenderObj::GetNativeRender() { return PpQnRenderObj(this); }

PpQnRenderObj QnRenderObj::GetZoomSource(const QnXFormXY& zoom, QnXFormXY* stretch)
{
    *stretch = zoom;
    return PpQnRenderObj(this);
}

QnRect QnRenderObj::CalcRect(const QnPoint& anchor, const QnRect& rect, int32_t w, int32_t h)
{
    return QnCalcRect(anchor, rect, w, h);
}

int QnRenderObj::CompareObjects(const QnRenderObj* a, const QnRenderObj* b)
{
    if (a == b)
        return 0;
    if (!a || !b)
        return a ? 1 : -1;
    const std::type_info& ta = typeid(*a);
    const std::type_info& tb = typeid(*b);
    if (ta != tb)
        return ta.before(tb) ? -1 : 1;
    return a->Compare(PpQnFlVal(const_cast<QnRenderObj*>(b)));
}
