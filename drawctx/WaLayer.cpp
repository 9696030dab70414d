#include "drawctx/WaLayer.h"

#include <memory>
#include <mutex>
#include <vector>

namespace {

constexpr int kBlockNodes = 32;

struct LayerPool {
    std::mutex lock;
    std::vector<std::unique_ptr<WaLayer[]>> blocks;
    WaLayer* free = nullptr; // chained through next
    int32_t lastId = 0;
};

LayerPool& Pool()
{
    static LayerPool pool;
    return pool;
}

} // namespace

WaLayer* WaTakeLayer()
{
    LayerPool& pool = Pool();
    std::lock_guard<std::mutex> guard(pool.lock);
    if (!pool.free) {
        auto block = std::make_unique<WaLayer[]>(kBlockNodes);
        for (int i = kBlockNodes - 1; i >= 0; --i) {
            block[i].next = pool.free;
            pool.free = &block[i];
        }
        for (int i = 0; i < kBlockNodes; ++i)
            block[i].id = ++pool.lastId;
        pool.blocks.push_back(std::move(block));
    }
    WaLayer* layer = pool.free;
    pool.free = layer->next;
    layer->next = nullptr;
    layer->prev = nullptr;
    layer->linked = false;
    return layer;
}

void WaFreeLayer(WaLayer* layer)
{
    WARelease(layer->picture);
    WARelease(layer->mask);
    layer->picture = nullptr;
    layer->mask = nullptr;
    layer->xf = ZVXFORM();
    layer->rect = QnRect{};
    layer->visible = 0;
    layer->linked = false;
    layer->prev = nullptr;
    LayerPool& pool = Pool();
    std::lock_guard<std::mutex> guard(pool.lock);
    layer->next = pool.free;
    pool.free = layer;
}

WaLayerList::~WaLayerList()
{
    while (first_) {
        WaLayer* layer = first_;
        Unlink(layer);
        WaFreeLayer(layer);
    }
}

WaLayer* WaLayerList::Find(int32_t id) const
{
    for (WaLayer* l = first_; l; l = l->next)
        if (l->id == id)
            return l;
    return nullptr;
}

int32_t WaLayerList::Position(const WaLayer* layer) const
{
    int32_t pos = 0;
    for (const WaLayer* l = first_; l && l != layer; l = l->next)
        ++pos;
    return pos;
}

bool WaLayerList::AnyVisible() const
{
    for (const WaLayer* l = first_; l; l = l->next)
        if (l->visible)
            return true;
    return false;
}

void WaLayerList::PushFront(WaLayer* layer)
{
    layer->prev = nullptr;
    layer->next = first_;
    if (first_)
        first_->prev = layer;
    else
        last_ = layer;
    first_ = layer;
    layer->linked = true;
    ++count_;
}

void WaLayerList::PushBack(WaLayer* layer)
{
    if (!last_) {
        PushFront(layer);
        return;
    }
    InsertBehind(layer, last_);
}

void WaLayerList::InsertBehind(WaLayer* layer, WaLayer* after)
{
    layer->prev = after;
    layer->next = after->next;
    if (after->next)
        after->next->prev = layer;
    else
        last_ = layer;
    after->next = layer;
    layer->linked = true;
    ++count_;
}

void WaLayerList::Unlink(WaLayer* layer)
{
    if (!layer->linked)
        return;
    if (layer->prev)
        layer->prev->next = layer->next;
    else
        first_ = layer->next;
    if (layer->next)
        layer->next->prev = layer->prev;
    else
        last_ = layer->prev;
    layer->prev = layer->next = nullptr;
    layer->linked = false;
    --count_;
}
