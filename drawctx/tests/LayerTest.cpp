#include "drawctx/WaDrawContext.h"

#include <gtest/gtest.h>

#include "DrawTestSupport.h"

namespace {

struct LayerFixture : ::testing::Test {
    WaHolder pic{WA_TYPE_RGB, 100, 100};
    WaHolder layerPic{WA_TYPE_RGB, 10, 10};
    WaHolder mask{WA_TYPE_GRAY, 10, 10};
    RecordingNtf ntf;
    ContextPtr c{WACreateDrawContext(pic, &ntf)};

    // Layers front to back, by id.
    std::vector<int32_t> Order()
    {
        std::vector<int32_t> ids;
        for (int32_t id = c->GetFirstLayer(); id != ZV_LAYER_BACK;)
            if (!c->GetNextLayer(id, (ids.push_back(id), id)))
                break;
        return ids;
    }
};

} // namespace

TEST_F(LayerFixture, AddedLayersGoToTheFront)
{
    const int32_t a = c->AddLayer(layerPic, mask, ZVXFORM(), 0);
    const int32_t b = c->AddLayer(layerPic, mask, ZVXFORM(), 1);
    ASSERT_NE(a, 0);
    ASSERT_NE(b, 0);
    EXPECT_NE(a, b);
    EXPECT_EQ(Order(), (std::vector<int32_t>{b, a}));
    EXPECT_EQ(c->GetNumberOfLayers(), 2);
    EXPECT_EQ(c->GetLastLayer(), a);
    int32_t pos = -9, prev = 0, next = 0;
    ASSERT_EQ(c->GetLayerInfo(a, &pos, &prev, &next, nullptr), 1);
    EXPECT_EQ(pos, 1);
    EXPECT_EQ(prev, b);
    EXPECT_EQ(next, ZV_LAYER_BACK);
    EXPECT_EQ(c->GetLayerInfo(12345678, &pos, nullptr, nullptr, nullptr), 0);
    // Only the visible one asked for a redraw: its 10 x 10 area at the
    // picture's bottom-left, which is the client's rows 90..100.
    ASSERT_EQ(ntf.calls.size(), 1u);
    EXPECT_EQ(ntf.calls[0].region->box(), (QnRect{0, 90, 10, 100}));
    EXPECT_EQ(layerPic->refCount, 3);
    EXPECT_EQ(c->RemoveLayer(b), 1);
    EXPECT_EQ(c->RemoveLayer(b), 0);
    EXPECT_EQ(ntf.calls.size(), 2u); // hidden on the way out
    c.reset();
    EXPECT_EQ(layerPic->refCount, 1);
    EXPECT_EQ(mask->refCount, 1);
}

TEST_F(LayerFixture, MaskMustBeOneBitOrGrey)
{
    WaHolder fourBit(WA_TYPE_4BIT, 10, 10);
    EXPECT_EQ(c->AddLayer(layerPic, fourBit, ZVXFORM(), 1), 0);
    EXPECT_EQ(c->AddLayer(layerPic, nullptr, ZVXFORM(), 1), 0);
    EXPECT_EQ(c->GetNumberOfLayers(), 0);
    EXPECT_EQ(fourBit->refCount, 1);
    EXPECT_TRUE(ntf.calls.empty());
    WaHolder oneBit(WA_TYPE_1BIT, 10, 10);
    EXPECT_NE(c->AddLayer(layerPic, oneBit, ZVXFORM(), 1), 0);
}

TEST_F(LayerFixture, PlaceLayerMoves)
{
    const int32_t a = c->AddLayer(layerPic, mask, ZVXFORM(), 1);
    const int32_t b = c->AddLayer(layerPic, mask, ZVXFORM(), 1);
    const int32_t d = c->AddLayer(layerPic, mask, ZVXFORM(), 1);
    ASSERT_EQ(Order(), (std::vector<int32_t>{d, b, a}));
    struct Case {
        int32_t id, after;
        std::vector<int32_t> order;
        bool redraw;
    };
    const std::vector<Case> cases = {
        {b, d, {d, b, a}, false},                 // already behind d
        {a, ZV_LAYER_FRONT, {a, d, b}, true},
        {a, ZV_LAYER_FRONT, {a, d, b}, false},
        {a, ZV_LAYER_BACKWARD, {d, a, b}, true},
        {b, ZV_LAYER_FORWARD, {d, b, a}, true},
        {d, ZV_LAYER_BACK, {b, a, d}, true},
        {b, a, {a, b, d}, true},
        {d, d, {a, b, d}, false},
    };
    for (const Case& k : cases) {
        const size_t before = ntf.calls.size();
        EXPECT_EQ(c->MoveLayerAfter(k.id, k.after), 1);
        EXPECT_EQ(Order(), k.order) << k.id << " after " << k.after;
        EXPECT_EQ(ntf.calls.size() > before, k.redraw) << k.id << " after " << k.after;
    }
    EXPECT_EQ(c->MoveLayerAfter(a, 987654), 0);
    EXPECT_EQ(c->MoveLayerAfter(987654, a), 0);
}

TEST_F(LayerFixture, LayerTransformRedrawsOldAndNewArea)
{
    const int32_t a = c->AddLayer(layerPic, mask, ZVXFORM(), 1);
    ntf.calls.clear();
    // The layer's 10 x 10 picture now covers picture (20..30, 0..10).
    const ZVXFORM moved(QnRect{20, 0, 30, 10}, QnRect{0, 0, 10, 10});
    EXPECT_EQ(c->SetLayerXF(a, moved), 1);
    ASSERT_EQ(ntf.calls.size(), 2u);
    EXPECT_EQ(ntf.calls[0].region->box(), (QnRect{0, 90, 10, 100}));
    EXPECT_EQ(ntf.calls[1].region->box(), (QnRect{20, 90, 30, 100}));
    ZVXFORM got;
    EXPECT_EQ(c->GetLayerXF(a, got), 1);
    EXPECT_EQ(got, moved);
    EXPECT_EQ(c->SetLayerXF(a, moved), 1);
    EXPECT_EQ(ntf.calls.size(), 2u);

    int old = -1;
    EXPECT_EQ(c->ShowLayer(a, 0, &old), 1);
    EXPECT_EQ(old, 1);
    EXPECT_EQ(c->IsLayerVisible(a), 0);
    WA* p = c->GetLayerPicture(a);
    EXPECT_EQ(p, layerPic.wa);
    WARelease(p);
    WA* m = c->GetLayerMask(a);
    EXPECT_EQ(m, mask.wa);
    WARelease(m);
    EXPECT_EQ(c->GetLayerPicture(987654), nullptr);
}

TEST(LayerPool, FreedNodesComeBackClean)
{
    WaLayer* a = WaTakeLayer();
    const int32_t id = a->id;
    EXPECT_GT(id, 0);
    a->visible = 1;
    WaFreeLayer(a);
    WaLayer* again = WaTakeLayer();
    EXPECT_EQ(again, a); // the free list hands it back with its id
    EXPECT_EQ(again->id, id);
    EXPECT_EQ(again->visible, 0);
    WaFreeLayer(again);
}
