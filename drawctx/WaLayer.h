// Layers over a drawing context's picture: nodes from one pool that all
// contexts of the process share, and the front-to-back list of a context.
#pragma once

#include "drawctx/zvwa/WA.h"
#include "drawctx/zvxform/ZVXFORM.h"
#include "render/Rect.h"

#include <cstdint>

struct WaLayer {
    WaLayer* prev = nullptr;
    WaLayer* next = nullptr;
    bool linked = false;
    int32_t id = 0;         // given when the node is made, kept for good
    WA* picture = nullptr;  // a reference held
    WA* mask = nullptr;     // type 1 or 8, a reference held
    ZVXFORM xf;             // picture to layer coordinates
    QnRect rect;            // (0, 0, picture width, picture height)
    int visible = 0;
    int bypassCache = 1;
};

// A node from the pool. The pool grows by blocks of 32 nodes that are never
// freed; each node takes the next id of a process-wide count when its block
// is made. Ids start at 1, so that 0 stays free to mean "no layer".
WaLayer* WaTakeLayer();
// Back to the pool, with its pictures released, the identity transform and
// visible 0.
void WaFreeLayer(WaLayer* layer);

// A context's layers, front first.
class WaLayerList {
public:
    WaLayerList() = default;
    WaLayerList(const WaLayerList&) = delete;
    WaLayerList& operator=(const WaLayerList&) = delete;
    // Frees every node left.
    ~WaLayerList();

    WaLayer* First() const { return first_; }
    WaLayer* Last() const { return last_; }
    int32_t Count() const { return count_; }
    WaLayer* Find(int32_t id) const;
    // 0-based place from the front.
    int32_t Position(const WaLayer* layer) const;
    bool AnyVisible() const;

    void PushFront(WaLayer* layer);
    void PushBack(WaLayer* layer);
    // Puts layer directly behind after (which is in the list).
    void InsertBehind(WaLayer* layer, WaLayer* after);
    void Unlink(WaLayer* layer);

private:
    WaLayer* first_ = nullptr;
    WaLayer* last_ = nullptr;
    int32_t count_ = 0;
};
