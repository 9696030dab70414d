#include "drawctx/ZvDrawContext.h"

ZV_DRAWCONTEXT::ZV_DRAWCONTEXT(ZV_REDRAWNTF* receiver) : receiver_(receiver) {}

ZV_DRAWCONTEXT::~ZV_DRAWCONTEXT() = default;

void ZV_DRAWCONTEXT::SetXF(const ZVXFORM& xf, int)
{
    if (!(xf == xf_))
        xf_ = xf;
}

void ZV_DRAWCONTEXT::SetXF(const QnRect& client, const QnRect& picture, int redraw)
{
    SetXF(ZVXFORM(client, picture), redraw);
}

int ZV_DRAWCONTEXT::SetLayerXF(int32_t id, const QnRect& client, const QnRect& picture)
{
    return SetLayerXF(id, ZVXFORM(client, picture));
}

int32_t ZV_DRAWCONTEXT::GetNumberOfLayers()
{
    int32_t pos = 0;
    GetLayerInfo(ZV_LAYER_BACK, &pos, nullptr, nullptr, nullptr);
    return pos;
}

int32_t ZV_DRAWCONTEXT::GetFirstLayer()
{
    int32_t next = ZV_LAYER_BACK;
    GetLayerInfo(ZV_LAYER_FRONT, nullptr, nullptr, &next, nullptr);
    return next;
}

int32_t ZV_DRAWCONTEXT::GetLastLayer()
{
    int32_t prev = ZV_LAYER_FRONT;
    GetLayerInfo(ZV_LAYER_BACK, nullptr, &prev, nullptr, nullptr);
    return prev;
}

void ZV_DRAWCONTEXT::GetMonitorGamma(int& red, int& green, int& blue) const
{
    ZV_MG g;
    GetMonitorGamma(g);
    red = g.red;
    green = g.green;
    blue = g.blue;
}

void ZV_DRAWCONTEXT::GetDrawOptions(int& colour, int& direct, uint32_t& colours, uint32_t& flags, int& fastView) const
{
    ZV_CDOPTFV o;
    GetDrawOptions(o);
    colour = o.color;
    direct = o.direct;
    colours = o.colors;
    flags = o.flags;
    fastView = o.fastView;
}

int ZV_DRAWCONTEXT::SendRedraw(const QnRgn* region, const QnRgn* update, int flag)
{
    return receiver_ ? receiver_->Redraw(this, region, update, flag) : 0;
}

int ZV_DRAWCONTEXT::SendUpdateColors() { return receiver_ ? receiver_->UpdateColors(this) : 0; }
