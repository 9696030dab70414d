// The stroke tools in real views driven by mouse events: the points a
// painter and a clone move hand over, one undo step per stroke, the clone's
// reference and anchor rules across two views, and the fill click.
#include "ViewTestFrame.h"

#include "editor/view/LdPainter.h"
#include "framework/MessageBox.h"

#include <gtest/gtest.h>

namespace {

class ToolHost : public CLdViewHost {
public:
    int ViewMode() override { return mode; }
    CLdViewTool* CurrentTool() override
    {
        switch (mode) {
        case 2: return &painter;
        case 3: return &clone;
        case 5: return &fill;
        default: return nullptr;
        }
    }
    void LockOutline(bool) override {}
    void ViewActivated(CLodo40View*) override {}

    int mode = 2;
    CBrushParams brush;
    CFillParams fillParams;
    CLdPainter painter{brush};
    CLdClone clone{brush};
    CLdFillTool fill{fillParams};
};

class Painting : public ViewFrameTest {
protected:
    void SetUp() override
    {
        host.brush.size = 5;
        host.brush.shape = 1;
        host.brush.color = 0x0000FF;
        SetUpFrame(&host);
        fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& r) {
            messages.push_back(r.text);
            return fw::IDOK;
        });
    }
    void TearDown() override
    {
        host.clone.ClearReference();
        fw::SetMessageBoxHook(nullptr);
        TearDownFrame();
    }
    static uint32_t At(CLodo40View* view, QnPoint p) { return view->GetDocument()->GetPixelColor(p); }

    ToolHost host;
    std::vector<std::string> messages;
};

} // namespace

TEST(StrokeSegments, PointsAQuarterBrushApart)
{
    struct Case {
        QnPoint from, to;
        int32_t size;
        std::vector<QnPoint> painter, clone;
    };
    const std::vector<Case> cases{
        {{0, 0}, {10, 0}, 8, {{1, 0}, {3, 0}, {5, 0}, {7, 0}, {9, 0}, {10, 0}}, {{0, 0}, {2, 0}, {4, 0}, {6, 0}, {8, 0}}},
        {{5, 5}, {5, 5}, 8, {{5, 5}}, {}},
        {{0, 0}, {1, 3}, 100, {{0, 1}, {1, 3}}, {{0, 0}}},
        {{0, 0}, {-4, 2}, 3, {{-1, 0}, {-2, 1}, {-3, 1}, {-4, 2}}, {{0, 0}, {-1, 0}, {-2, 1}, {-3, 1}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PainterSegment(c.from, c.to, c.size), c.painter);
        EXPECT_EQ(CloneSegment(c.from, c.to, c.size), c.clone);
    }
}

TEST_F(Painting, AStrokeIsPaintedAlongThePathAsOneStep)
{
    CLodo40View* view = OpenPattern(200, 120);
    ASSERT_NE(view, nullptr);
    CLodo40Doc* doc = view->GetDocument();
    const size_t steps = doc->UndoList().Size();
    Drag(view, {{20, 30}, {60, 30}, {60, 80}});
    EXPECT_EQ(doc->UndoList().Size(), steps + 1);
    for (const QnPoint p : {QnPoint{20, 30}, QnPoint{40, 30}, QnPoint{60, 55}, QnPoint{60, 80}})
        EXPECT_EQ(At(view, p), 0x0000FFu) << p.x << "," << p.y;
    EXPECT_EQ(At(view, QnPoint{40, 60}), 0x283C4Du) << "off the path";
    doc->OnEditUndo();
    EXPECT_EQ(At(view, QnPoint{40, 30}), 0x281E4Du);
}

TEST_F(Painting, CloneNeedsAReferenceAndKeepsToItsAnchorView)
{
    host.mode = 3;
    CLodo40View* a = OpenPattern(200, 120, "a.bmp");
    CLodo40View* b = OpenPattern(200, 120, "b.bmp");
    ASSERT_TRUE(a && b);
    // Before any Shift-click: the message, nothing painted.
    Drag(a, {{50, 50}, {60, 50}});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(a->GetDocument()->UndoList().Size(), 0u);
    // Reference in b at (10, 10); the first stroke in a anchors at (50, 50):
    // a's pixels there take b's from 40 to the left and above.
    Click(b, {10, 10}, Qt::ShiftModifier);
    Drag(a, {{50, 50}, {70, 50}});
    EXPECT_EQ(At(a, QnPoint{60, 50}), At(b, QnPoint{20, 10}));
    EXPECT_EQ(a->GetDocument()->UndoList().Size(), 1u);
    // A stroke in b now is refused, and paints nothing anywhere.
    const size_t bSteps = b->GetDocument()->UndoList().Size();
    Drag(b, {{100, 100}, {120, 100}});
    EXPECT_EQ(b->GetDocument()->UndoList().Size(), bSteps);
    EXPECT_EQ(a->GetDocument()->UndoList().Size(), 1u);
    // Leaving the mode forgets the reference.
    host.clone.ClearReference();
    EXPECT_FALSE(host.clone.HasReference());
    Drag(a, {{50, 90}, {60, 90}});
    EXPECT_EQ(messages.size(), 2u);
}

TEST_F(Painting, FillClicksInsideThePictureOnly)
{
    host.mode = 5;
    host.fillParams.color1 = 0x00FF00;
    CLodo40View* view = OpenPattern(100, 80);
    ASSERT_NE(view, nullptr);
    Click(view, {150, 30});  // outside: nothing
    EXPECT_EQ(view->GetDocument()->UndoList().Size(), 0u);
    Click(view, {30, 30});
    EXPECT_EQ(view->GetDocument()->UndoList().Size(), 1u);
    EXPECT_EQ(At(view, QnPoint{99, 79}), 0x00FF00u);
}
