// Making, selecting, grabbing and dragging shapes, and the routing of
// commands to the selection.
#include <gtest/gtest.h>

#include "framework/CmdUI.h"
#include "framework/MessageBox.h"
#include "tasks/sketch/CVFiller_Color.h"
#include "tasks/sketch/CVShape_Cal.h"
#include "tasks/sketch/CVShape_Group.h"
#include "tasks/sketch/CVShape_Line.h"
#include "tasks/sketch/CVShape_Text.h"
#include "tasks/sketch/CVSketch.h"

namespace {

// Keeps the module-wide mode and handle of one test from the next, and
// answers message boxes.
class SketchEdit : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousHook_ = fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& r) {
            messages.push_back(r.text);
            return fw::IDOK;
        });
    }
    void TearDown() override
    {
        fw::SetMessageBoxHook(previousHook_);
        CVSketch::SetCreationMode(CVSketch::kModeNone);
        CVSketch::SetDragHandle(CVSketch::kHandleNone);
    }
    CVShape* Add(int mode, QnPoint a, QnPoint b)
    {
        CVSketch::SetCreationMode(mode);
        return sketch.AddShape(a, b);
    }

    CVSketch sketch;
    std::vector<std::string> messages;

private:
    fw::MessageBoxHook previousHook_;
};

TEST_F(SketchEdit, AddShapeMakesTheShapeOfTheModeSelectedAndInFront)
{
    CVShape* rect = Add(CVSketch::kModeRect, {30, 40}, {10, 20});
    ASSERT_NE(dynamic_cast<CVShape_Line*>(rect), nullptr);
    EXPECT_EQ(rect->points, (std::vector<QnPoint>{{10, 20}, {30, 20}, {30, 40}, {10, 40}}));
    EXPECT_EQ(static_cast<CVShape_Line*>(rect)->closed, 1);
    EXPECT_EQ(rect->outliner, nullptr);
    EXPECT_EQ(rect->filler, nullptr);

    CVShape* line = Add(CVSketch::kModeLine, {30, 40}, {10, 20});
    EXPECT_EQ(line->points, (std::vector<QnPoint>{{30, 40}, {10, 20}}));
    EXPECT_EQ(static_cast<CVShape_Line*>(line)->closed, 0);

    auto* text = dynamic_cast<CVShape_Text*>(Add(CVSketch::kModeText, {0, 0}, {8, 4}));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->face, "Arial");
    EXPECT_EQ(text->color, 0u);
    EXPECT_EQ(text->points.size(), 4u);

    auto* cal = dynamic_cast<CVShape_Cal*>(Add(CVSketch::kModeCalendar, {0, 0}, {70, 60}));
    ASSERT_NE(cal, nullptr);
    EXPECT_EQ(cal->closed, 1);
    EXPECT_TRUE(cal->headerFace.empty());

    ASSERT_EQ(sketch.GetShapes().size(), 4u);
    EXPECT_EQ(sketch.GetShapes().front().get(), cal);
    EXPECT_EQ(sketch.GetSelection(), std::vector<CVShape*>{cal});
    EXPECT_TRUE(messages.empty());
}

TEST_F(SketchEdit, NoShapeWithoutAModeAndAMessageForAnUnknownOne)
{
    Add(CVSketch::kModeRect, {0, 0}, {5, 5});
    EXPECT_EQ(Add(CVSketch::kModeNone, {0, 0}, {5, 5}), nullptr);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Add(5, {0, 0}, {5, 5}), nullptr);
    EXPECT_EQ(messages, std::vector<std::string>{"Don't support this mode"});
    EXPECT_EQ(sketch.GetShapes().size(), 1u);
    EXPECT_EQ(sketch.GetSelection().size(), 1u);

    messages.clear();
    CVShape_Line odd(7, {0, 0}, {5, 5});
    EXPECT_TRUE(odd.points.empty());
    EXPECT_EQ(messages, std::vector<std::string>{"Don't support this mode"});
}

TEST_F(SketchEdit, BoundRectAndMapPoints)
{
    CVShape shape;
    shape.points = {{10, 40}, {2, 4}};
    EXPECT_EQ(shape.GetBoundRect(), (QnRect{2, 4, 10, 40}));
    shape.points.push_back({-5, 50});
    EXPECT_EQ(shape.GetBoundRect(), (QnRect{-5, 4, 10, 50}));

    struct Case {
        QnRect from, to;
        QnPoint in, out;
    };
    const Case cases[] = {
        {{0, 0, 10, 10}, {0, 0, 20, 30}, {5, 5}, {10, 15}},
        {{0, 0, 10, 10}, {100, 100, 110, 110}, {10, 0}, {110, 100}},
        {{10, 10, 20, 20}, {0, 0, 5, 5}, {13, 17}, {1, 3}},       // truncated after the product
        {{3, 3, 3, 8}, {0, 0, 4, 10}, {5, 5}, {8, 4}},            // zero width divides by 1
        {{0, 0, 10, 10}, {10, 10, 0, 0}, {2, 8}, {8, 2}},         // a reversed frame mirrors
    };
    for (const Case& c : cases) {
        CVShape s;
        s.points = {c.in};
        EXPECT_EQ(s.MapPoints(c.from, c.to), 1);
        EXPECT_EQ(s.points[0], c.out) << c.in.x << "," << c.in.y;
    }
}

TEST_F(SketchEdit, HitAndInsideFollowTheRectangleRule)
{
    CVShape_Line r(CVSketch::kModeRect, {10, 10}, {20, 20});
    struct Case {
        QnPoint pt;
        int hit;
    };
    for (const Case& c : {Case{{10, 10}, 1}, Case{{19, 19}, 1}, Case{{20, 15}, 0}, Case{{15, 20}, 0}, Case{{9, 15}, 0}})
        EXPECT_EQ(r.HitTest(c.pt), c.hit) << c.pt.x << "," << c.pt.y;
    // The bottom-right corner must lie inside too, so r itself is not inside r.
    EXPECT_EQ(r.IsInside(QnRect{10, 10, 20, 20}), 0);
    EXPECT_EQ(r.IsInside(QnRect{10, 10, 21, 21}), 1);
    EXPECT_EQ(r.IsInside(QnRect{11, 0, 30, 30}), 0);
}

TEST_F(SketchEdit, SelectAtTakesTheFrontShapeAndSelectInRectTheBackOne)
{
    CVShape* back = Add(CVSketch::kModeRect, {0, 0}, {100, 100});
    CVShape* middle = Add(CVSketch::kModeRect, {10, 10}, {50, 50});
    CVShape* front = Add(CVSketch::kModeRect, {20, 20}, {40, 40});

    EXPECT_EQ(sketch.SelectAt({30, 30}), (QnRect{20, 20, 40, 40}));
    EXPECT_EQ(sketch.GetSelected(), front);
    sketch.SelectAt({15, 15});
    EXPECT_EQ(sketch.GetSelected(), middle);
    EXPECT_EQ(sketch.SelectAt({500, 500}), QnRect{});
    EXPECT_EQ(sketch.GetSelected(), nullptr);

    EXPECT_EQ(sketch.SelectInRect({0, 0, 200, 200}), (QnRect{0, 0, 100, 100}));
    EXPECT_EQ(sketch.GetSelection(), std::vector<CVShape*>{back});
    EXPECT_EQ(sketch.SelectInRect({15, 15, 45, 45}), (QnRect{20, 20, 40, 40}));
    // Nothing inside: the selection stays.
    sketch.SelectInRect({300, 300, 400, 400});
    EXPECT_EQ(sketch.GetSelected(), front);

    EXPECT_EQ(sketch.TakeSelectionRect(), (QnRect{20, 20, 40, 40}));
    EXPECT_TRUE(sketch.GetSelection().empty());
    sketch.Select(middle);
    EXPECT_EQ(sketch.GetSelected(), middle);

    sketch.BringToFront(back);
    EXPECT_EQ(sketch.GetShapes().front().get(), back);
    EXPECT_EQ(sketch.SelectAt({30, 30}), (QnRect{0, 0, 100, 100}));
    CVShape stranger;
    sketch.BringToFront(&stranger);
    EXPECT_EQ(sketch.GetShapes().size(), 3u);
}

TEST_F(SketchEdit, HitHandleCornersGrabEdgesMove)
{
    Add(CVSketch::kModeCalendar, {100, 100}, {200, 160});
    struct Case {
        QnPoint pt;
        int handle;
    };
    const Case cases[] = {
        {{100, 100}, CVSketch::kHandleTopLeft},     {{104, 104}, CVSketch::kHandleTopLeft},
        {{105, 104}, CVSketch::kHandleMove},        {{199, 100}, CVSketch::kHandleTopRight},
        {{199, 159}, CVSketch::kHandleBottomRight}, {{100, 159}, CVSketch::kHandleBottomLeft},
        {{150, 100}, CVSketch::kHandleMove},        {{199, 130}, CVSketch::kHandleMove},
        {{150, 130}, CVSketch::kHandleNone},        {{200, 130}, CVSketch::kHandleNone},
        {{99, 100}, CVSketch::kHandleNone},
    };
    CVSketch::SetCreationMode(CVSketch::kModeCalendar);
    for (const Case& c : cases)
        EXPECT_EQ(sketch.HitHandle(c.pt), c.handle) << c.pt.x << "," << c.pt.y;
    for (int mode : {CVSketch::kModeRect, CVSketch::kModeLine, CVSketch::kModeText}) {
        CVSketch::SetCreationMode(mode);
        EXPECT_EQ(sketch.HitHandle({100, 100}), CVSketch::kHandleNone) << mode;
    }
    CVSketch::SetCreationMode(CVSketch::kModeNone);
    EXPECT_EQ(sketch.HitHandle({100, 100}), CVSketch::kHandleTopLeft);
    sketch.TakeSelectionRect();
    EXPECT_EQ(sketch.HitHandle({0, 0}), CVSketch::kHandleNone);
}

TEST_F(SketchEdit, DragSelectionAppliesTheHandle)
{
    struct Case {
        int handle;
        QnRect result;
    };
    const QnPoint offset{5, -3};
    const Case cases[] = {
        {CVSketch::kHandleMove, {15, 17, 35, 37}},        {CVSketch::kHandleTopLeft, {15, 17, 30, 40}},
        {CVSketch::kHandleTop, {10, 17, 30, 40}},         {CVSketch::kHandleTopRight, {10, 17, 35, 40}},
        {CVSketch::kHandleRight, {10, 20, 35, 40}},       {CVSketch::kHandleBottomRight, {10, 20, 35, 37}},
        {CVSketch::kHandleBottom, {10, 20, 30, 37}},      {CVSketch::kHandleBottomLeft, {15, 20, 30, 37}},
        {CVSketch::kHandleLeft, {15, 20, 30, 40}},        {CVSketch::kHandleNone, {10, 20, 30, 40}},
        {42, {10, 20, 30, 40}},
    };
    for (const Case& c : cases) {
        CVSketch s;
        CVSketch::SetCreationMode(CVSketch::kModeRect);
        CVShape* shape = s.AddShape({10, 20}, {30, 40});
        CVSketch::SetDragHandle(c.handle);
        s.DragSelection(offset);
        EXPECT_EQ(shape->GetBoundRect(), c.result) << c.handle;
    }
}

TEST_F(SketchEdit, GroupsMoveHitAndBoundTheirChildren)
{
    CVShape_Group group;
    group.AddChild(std::make_unique<CVShape_Line>(CVSketch::kModeRect, QnPoint{0, 0}, QnPoint{10, 10}));
    group.AddChild(std::make_unique<CVShape_Line>(CVSketch::kModeLine, QnPoint{20, 30}, QnPoint{40, 30}));
    EXPECT_EQ(group.GetBoundRect(), (QnRect{0, 0, 40, 30}));
    EXPECT_EQ(group.HitTest({5, 5}), 1);
    EXPECT_EQ(group.HitTest({15, 15}), 0);  // in the bounds, on no child
    EXPECT_EQ(group.IsInside({0, 0, 41, 31}), 1);
    EXPECT_EQ(group.MapPoints({0, 0, 40, 30}, {0, 0, 80, 60}), 6);
    EXPECT_EQ(group.GetBoundRect(), (QnRect{0, 0, 80, 60}));
    EXPECT_EQ(CVShape_Group().GetBoundRect(), QnRect{});
}

// A filler that takes one command, to see where commands go.
class CommandFiller : public CVFiller_Color {
public:
    int taken = 0;
    bool OnCmdMsg(uint32_t id, fw::CmdCode code, fw::CmdUI*) override
    {
        if (id != 777 || code != fw::CmdCode::Command)
            return false;
        ++taken;
        return true;
    }
};

TEST_F(SketchEdit, CommandsReachTheFillerOfTheSelectedShapeButStopAtAGroup)
{
    CVShape* shape = Add(CVSketch::kModeRect, {0, 0}, {10, 10});
    auto filler = std::make_unique<CommandFiller>();
    CommandFiller* f = filler.get();
    shape->SetFiller(std::move(filler));
    EXPECT_TRUE(sketch.ExecuteCommand(777));
    EXPECT_EQ(f->taken, 1);
    sketch.TakeSelectionRect();
    EXPECT_FALSE(sketch.ExecuteCommand(777));
    EXPECT_EQ(f->taken, 1);

    auto group = std::make_unique<CVShape_Group>();
    auto child = std::make_unique<CVShape_Line>(CVSketch::kModeRect, QnPoint{0, 0}, QnPoint{5, 5});
    auto childFiller = std::make_unique<CommandFiller>();
    CommandFiller* cf = childFiller.get();
    child->SetFiller(std::move(childFiller));
    group->AddChild(std::move(child));
    group->SetFiller(std::make_unique<CommandFiller>());
    EXPECT_FALSE(group->ExecuteCommand(777));
    EXPECT_EQ(cf->taken, 0);
}

}  // namespace
