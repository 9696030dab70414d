// The layer operations of the common drawing context.
#include "drawctx/WaDrawContext.h"

QnRect WaDrawContext::LayerArea(const WaLayer& layer) const
{
    QnRect r = layer.rect;
    layer.xf.RevXForm(r, ZVXF_RECT_NEAREST);
    WAToClient(r, ZVXF_RECT_NEAREST);
    return r;
}

void WaDrawContext::RedrawLayerArea(const WaLayer& layer)
{
    // Layers are drawn past the tile cache, so the cache stays valid.
    const QnRgn area(LayerArea(layer));
    SendRedraw(&area, &area, 0);
}

int32_t WaDrawContext::AddLayer(WA* picture, WA* mask, const ZVXFORM& xf, int visible)
{
    if (!picture || !mask || (mask->type != WA_TYPE_1BIT && mask->type != WA_TYPE_GRAY))
        return 0;
    WaLayer* layer = WaTakeLayer();
    layer->picture = WAAddRef(picture);
    layer->mask = WAAddRef(mask);
    layer->xf = xf;
    layer->rect = QnRect{0, 0, picture->width, picture->height};
    layers_.PushFront(layer);
    ShowLayer(layer->id, visible, nullptr);
    return layer->id;
}

int WaDrawContext::RemoveLayer(int32_t id)
{
    WaLayer* layer = layers_.Find(id);
    if (!layer)
        return 0;
    HideLayer(id);
    layers_.Unlink(layer);
    WaFreeLayer(layer);
    return 1;
}

int WaDrawContext::IsLayerVisible(int32_t id)
{
    const WaLayer* layer = layers_.Find(id);
    return layer ? layer->visible : 0;
}

int WaDrawContext::ShowLayer(int32_t id, int show, int* oldShow)
{
    WaLayer* layer = layers_.Find(id);
    if (!layer)
        return 0;
    if (oldShow)
        *oldShow = layer->visible;
    const int visible = show ? 1 : 0;
    if (visible != layer->visible) {
        layer->visible = visible;
        RedrawLayerArea(*layer);
    }
    return 1;
}

bool WaDrawContext::MoveLayer(WaLayer* layer, int32_t after, bool& moved)
{
    moved = false;
    WaLayer* target = nullptr; // the layer to go behind; null for the front
    switch (after) {
    case ZV_LAYER_FRONT:
        if (!layer->prev)
            return true;
        break;
    case ZV_LAYER_BACK:
        if (!layer->next)
            return true;
        target = layers_.Last();
        break;
    case ZV_LAYER_FORWARD:
        if (!layer->prev)
            return true;
        target = layer->prev->prev;
        break;
    case ZV_LAYER_BACKWARD:
        if (!layer->next)
            return true;
        target = layer->next;
        break;
    default:
        target = layers_.Find(after);
        if (!target)
            return false;
        if (target == layer || layer->prev == target)
            return true;
        break;
    }
    layers_.Unlink(layer);
    if (target)
        layers_.InsertBehind(layer, target);
    else
        layers_.PushFront(layer);
    moved = true;
    return true;
}

int WaDrawContext::PlaceLayer(int32_t id, int32_t after, const ZVXFORM& xf, int what)
{
    WaLayer* layer = layers_.Find(id);
    if (!layer)
        return 0;
    if (!(what & 2)) {
        bool moved = false;
        if (!MoveLayer(layer, after, moved))
            return 0;
        if (moved && layer->visible)
            RedrawLayerArea(*layer);
    }
    if (what & 1)
        return 1;
    if (!(xf == layer->xf)) {
        if (layer->visible)
            RedrawLayerArea(*layer);
        layer->xf = xf;
        if (layer->visible)
            RedrawLayerArea(*layer);
    }
    return 1;
}

int WaDrawContext::GetLayerInfo(int32_t id, int32_t* pos, int32_t* prev, int32_t* next, ZVXFORM* xf)
{
    int32_t p, pr, nx;
    ZVXFORM t;
    if (id == ZV_LAYER_FRONT) {
        p = -1;
        pr = ZV_LAYER_FRONT;
        nx = layers_.First() ? layers_.First()->id : ZV_LAYER_BACK;
    } else if (id == ZV_LAYER_BACK) {
        p = layers_.Count();
        pr = layers_.Last() ? layers_.Last()->id : ZV_LAYER_FRONT;
        nx = ZV_LAYER_BACK;
    } else {
        const WaLayer* layer = layers_.Find(id);
        if (!layer)
            return 0;
        p = layers_.Position(layer);
        pr = layer->prev ? layer->prev->id : ZV_LAYER_FRONT;
        nx = layer->next ? layer->next->id : ZV_LAYER_BACK;
        t = layer->xf;
    }
    if (pos)
        *pos = p;
    if (prev)
        *prev = pr;
    if (next)
        *next = nx;
    if (xf)
        *xf = t;
    return 1;
}

WA* WaDrawContext::GetLayerPicture(int32_t id)
{
    const WaLayer* layer = layers_.Find(id);
    return layer ? WAAddRef(layer->picture) : nullptr;
}

WA* WaDrawContext::GetLayerMask(int32_t id)
{
    const WaLayer* layer = layers_.Find(id);
    return layer ? WAAddRef(layer->mask) : nullptr;
}
