// The selector in a real view (offscreen MDI frame), driven by mouse events
// sent to the view's window: each gesture's shape and how it joins the
// previous selection, the outline's band and its ticks, and the rule that
// the next edit drops a selection the user has not confirmed.
#include "ViewTestFrame.h"

#include "editor/document/Lodo40Doc.h"
#include "editor/view/LdSelector.h"
#include "editor/view/Lodo40View.h"
#include "editor/view/PaintBand.h"
#include "editor/view/SelectionShapes.h"
#include "editor/ui/ProgramCursor.h"
#include "framework/App.h"
#include "framework/DocTemplate.h"
#include "framework/MDIChildWnd.h"
#include "framework/MDIFrameWnd.h"
#include "imexp/ImExp.h"
#include "lang/FlVal.h"
#include "picture/Picture.h"
#include "render/RgnShapes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <filesystem>
#include <unistd.h>

namespace {

// The application's part: one selector that serves the select mode and
// follows the active view.
class SelectorHost : public CLdViewHost {
public:
    int ViewMode() override { return 4; }
    CLdViewTool* CurrentTool() override { return &selector; }
    void LockOutline(bool lock) override { selector.LockOutline(lock); }
    void ViewActivated(CLodo40View* view) override { selector.Attach(view); }

    CSelectParams params;
    CLdSelector selector{params};
};

class Selector : public ViewFrameTest {
protected:
    void SetUp() override
    {
        SetUpFrame(&host);
        view = OpenPattern(300, 200);
        ASSERT_NE(view, nullptr);
        host.selector.Attach(view);
    }
    void TearDown() override
    {
        host.selector.Attach(nullptr);
        TearDownFrame();
    }

    void Send(QEvent::Type type, QnPoint p, Qt::MouseButtons held) { ViewFrameTest::Send(view, type, p, held); }
    void Drag(std::initializer_list<QnPoint> path) { ViewFrameTest::Drag(view, path); }
    void Click(QnPoint p) { ViewFrameTest::Click(view, p); }
    QnRgn Selection() const { return host.selector.GetSelection(); }

    SelectorHost host;
    CLodo40View* view = nullptr;
};

}  // namespace

TEST(SelectShapeRect, KeepSquareAndFixedSize)
{
    CSelectParams params;
    EXPECT_EQ(params.mode, 0);
    EXPECT_EQ(params.combine, 0);
    EXPECT_EQ(params.tolerance, 16);
    const QnPoint a{50, 60};
    EXPECT_EQ(SelectShapeRect(a, QnPoint{20, 90}, params), (QnRect{20, 60, 50, 90}));
    params.square = 1;
    EXPECT_EQ(SelectShapeRect(a, QnPoint{80, 65}, params), (QnRect{50, 60, 80, 90}));
    EXPECT_EQ(SelectShapeRect(a, QnPoint{20, 65}, params), (QnRect{20, 30, 50, 60}));
    params.fixedSize = 1;  // wins over keep square, hangs from the pointer
    EXPECT_EQ(SelectShapeRect(a, QnPoint{7, 9}, params), (QnRect{7, 9, 107, 109}));
}

TEST(SelectionOutlinePattern, StripesMarchOnePixelAPhase)
{
    const uint8_t rows[8] = {0x0F, 0x1E, 0x3C, 0x78, 0xF0, 0xE1, 0xC3, 0x87};
    for (int phase = 0; phase < 8; ++phase) {
        const QImage pattern = OutlinePattern(phase);
        for (int r = 0; r < 8; ++r)
            for (int x = 0; x < 8; ++x)
                ASSERT_EQ(pattern.pixel(x, r) == 0xFFFFFFFFu, ((rows[(phase + r) % 8] >> (7 - x)) & 1) != 0)
                    << phase << " " << r << " " << x;
    }
}

TEST_F(Selector, RectangleAndEllipseDragsJoinThePreviousSelection)
{
    struct Case {
        const char* name;
        int32_t shape, combine, square, fixedSize;
        QnPoint from, to;
        QnRgn shapeRgn;
    };
    const Case cases[] = {
        {"rectangle", 0, 0, 0, 0, {40, 50}, {10, 20}, QnRgn(QnRect{10, 20, 40, 50})},
        {"ellipse", 1, 0, 0, 0, {10, 20}, {90, 60}, QnEllipseRgn(QnRect{10, 20, 90, 60})},
        {"square right", 0, 0, 1, 0, {100, 100}, {130, 105}, QnRgn(QnRect{100, 100, 130, 130})},
        {"square left", 1, 0, 1, 0, {100, 100}, {70, 105}, QnEllipseRgn(QnRect{70, 70, 100, 100})},
        {"fixed size", 0, 0, 0, 1, {5, 5}, {30, 40}, QnRgn(QnRect{30, 40, 130, 140})},
        {"add", 0, 1, 0, 0, {60, 60}, {120, 120}, QnRgn(QnRect{60, 60, 120, 120})},
        {"subtract", 1, 2, 0, 0, {60, 60}, {120, 120}, QnEllipseRgn(QnRect{60, 60, 120, 120})},
    };
    const QnRgn before(QnRect{0, 0, 80, 80});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.params.mode = c.shape;
        host.params.combine = c.combine;
        host.params.square = c.square;
        host.params.fixedSize = c.fixedSize;
        host.selector.SetSelection(before);
        Drag({c.from, QnPoint{(c.from.x + c.to.x) / 2, c.from.y + 3}, c.to});
        const QnRgn expected = CombineSelection(before, c.shapeRgn, c.combine);
        EXPECT_TRUE(Selection() == expected);
        EXPECT_TRUE(host.selector.Outline().Animated());
    }
    // Subtracting a shape that covers everything leaves nothing; adding to
    // nothing gives the shape.
    host.params = CSelectParams{};
    host.params.combine = 2;
    host.selector.SetSelection(before);
    Drag({{0, 0}, {100, 100}});
    EXPECT_FALSE(Selection());
    host.params.combine = 1;
    Drag({{3, 4}, {13, 14}});
    EXPECT_TRUE(Selection() == QnRgn(QnRect{3, 4, 13, 14}));
}

TEST_F(Selector, ARectangleDragShowsItsShapeInvertedUntilRelease)
{
    Send(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
    Send(QEvent::MouseMove, {50, 40}, Qt::LeftButton);
    EXPECT_TRUE(Selection() == QnRgn(QnRect{10, 10, 50, 40}));
    // The base (nothing, when the shape replaces it) marches; the shape
    // does not: no tick repaints it.
    EXPECT_TRUE(host.selector.Outline().Band().isEmpty());
    Send(QEvent::MouseButtonRelease, {50, 40}, Qt::NoButton);
    EXPECT_FALSE(host.selector.Outline().Band().isEmpty());
}

TEST_F(Selector, PolygonClosesWithADoubleClickAfterThreeVertices)
{
    host.params.mode = kSelectPolygon;
    const std::vector<QnPoint> vertices{{10, 10}, {120, 30}, {40, 150}};
    Click(vertices[0]);
    Click(vertices[1]);
    // Without a button the rubber band follows the pointer.
    Send(QEvent::MouseMove, {70, 90}, Qt::NoButton);
    EXPECT_EQ(host.selector.Points().size(), 2u);
    Send(QEvent::MouseButtonDblClick, vertices[1], Qt::LeftButton);
    EXPECT_FALSE(Selection()) << "two vertices close nothing";
    Click(vertices[2]);
    Send(QEvent::MouseButtonDblClick, vertices[2], Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, vertices[2], Qt::NoButton);
    EXPECT_TRUE(Selection() == QnPolygonRgn(vertices, QnPolyFill::Winding));
    EXPECT_TRUE(host.selector.Points().empty());
}

TEST_F(Selector, FreehandNeedsMoreThanOneMove)
{
    host.params.mode = kSelectFreehand;
    Drag({{10, 10}, {60, 12}});
    EXPECT_FALSE(Selection());
    Drag({{10, 10}, {90, 20}, {80, 100}, {20, 70}});
    const std::vector<QnPoint> trace{{10, 10}, {90, 20}, {80, 100}, {20, 70}};
    EXPECT_TRUE(Selection() == QnPolygonRgn(trace, QnPolyFill::Winding));
}

TEST_F(Selector, ColourRangeTakesTheConnectedAreaWithinTolerance)
{
    host.params.mode = kSelectColourRange;
    host.params.tolerance = 16;
    // At (10, 20) the colour is red 77, green 20, blue 10: blue (= x) 0..26
    // and green (= y) 4..36 qualify.
    Click({10, 20});
    EXPECT_TRUE(Selection() == QnRgn(QnRect{0, 4, 27, 37}));
    host.params.combine = 1;
    Click({200, 150});  // blue 184..216, green 134..166
    EXPECT_TRUE(Selection() == QnRgn(QnRect{0, 4, 27, 37}) + QnRgn(QnRect{184, 134, 217, 167}));
    Click({-5, -5});  // beside the picture: nothing changes
    EXPECT_TRUE(Selection() == QnRgn(QnRect{0, 4, 27, 37}) + QnRgn(QnRect{184, 134, 217, 167}));
}

TEST_F(Selector, MoveDragsTheOutlineThenTheSelection)
{
    host.selector.SetSelection(QnRgn(QnRect{20, 20, 60, 50}));
    host.params.mode = kSelectMove;
    Send(QEvent::MouseButtonPress, {30, 30}, Qt::LeftButton);
    Send(QEvent::MouseMove, {45, 20}, Qt::LeftButton);
    EXPECT_TRUE(Selection() == QnRgn(QnRect{20, 20, 60, 50}));
    const QnRect shown = view->PictureRectToClient(QnRect{35, 10, 75, 40});
    EXPECT_EQ(host.selector.Outline().Band().boundingRect(),
              QRect(shown.left, shown.top, int(shown.Width()), int(shown.Height())));
    Send(QEvent::MouseButtonRelease, {50, 25}, Qt::NoButton);
    EXPECT_TRUE(Selection() == QnRgn(QnRect{40, 15, 80, 45}));
}

TEST_F(Selector, ATickAsksAgainOnlyForWhatWasPaintedSince)
{
    // A frame over several tiles of the view, which paints one at a time.
    host.selector.SetSelection(QnRgn(QnRect{5, 5, 295, 195}));
    SelectionOutline& outline = host.selector.Outline();
    // The outline's own timer waits while the events are handled.
    const auto paintAll = [&] {
        host.LockOutline(true);
        view->PaintAll();
        host.LockOutline(false);
    };
    paintAll();
    const QRegion band = outline.Band();
    outline.Tick();
    EXPECT_TRUE(outline.LastTickRegion().xored(band).isEmpty());
    // Nothing painted yet: all of the band still waits, nothing more is
    // asked for.
    outline.Tick();
    EXPECT_TRUE(outline.LastTickRegion().isEmpty());
    // One paint event paints the band's lowest leftmost tile; the next tick
    // asks for that part again.
    const QRegion tile = PaintBand(band, view->ScrollX(), view->ScrollY());
    ASSERT_FALSE(tile.xored(band).isEmpty());
    view->viewport()->repaint(band);
    outline.Tick();
    EXPECT_TRUE(outline.LastTickRegion().xored(tile).isEmpty());
    // Painted all over, the band is asked for whole.
    paintAll();
    outline.Tick();
    EXPECT_TRUE(outline.LastTickRegion().xored(band).isEmpty());
    // A new selection is asked for whole at its first tick.
    host.selector.SetSelection(QnRgn(QnRect{20, 20, 60, 50}));
    outline.Tick();
    EXPECT_TRUE(outline.LastTickRegion().xored(outline.Band()).isEmpty());
}

TEST_F(Selector, EachTickRepaintsOnlyTheOutlineBand)
{
    view->OnViewZoomIn();  // 2/1
    const QnRect r{140, 95, 160, 105};  // about the centre, which the zoom keeps
    host.selector.SetSelection(QnRgn(r));
    SelectionOutline& outline = host.selector.Outline();
    const QRegion band = outline.Band();
    // The frame one window pixel wide inside the zoomed rectangle.
    const QnRect c = view->PictureRectToClient(r);
    ASSERT_TRUE(QRect(QPoint(0, 0), view->viewport()->size()).contains(QRect(c.left, c.top, 40, 20)));
    const QRect outer(c.left, c.top, int(c.Width()), int(c.Height()));
    EXPECT_TRUE(band.xored(QRegion(outer) - QRegion(outer.adjusted(1, 1, -1, -1))).isEmpty());
    const int phase = outline.Phase();
    outline.Tick();
    EXPECT_EQ(outline.Phase(), (phase + 1) % 8);
    EXPECT_TRUE(outline.LastTickRegion().xored(band).isEmpty());
    // While the view scrolls the outline waits.
    host.LockOutline(true);
    outline.Tick();
    EXPECT_EQ(outline.Phase(), (phase + 1) % 8);
    host.LockOutline(false);
    // And the timer drives it by itself.
    QElapsedTimer clock;
    clock.start();
    while (outline.Phase() == (phase + 1) % 8 && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_NE(outline.Phase(), (phase + 1) % 8);
}

TEST_F(Selector, TheNextEditDropsAnUnconfirmedSelection)
{
    CLodo40Doc* doc = view->GetDocument();
    const auto edit = [&] {
        doc->ApplyExpression(PpQnExpr(PpQnFlVal(PpQnPicture(300, 200, 0u))), nullptr, nullptr, "Edit", true, true);
    };
    Drag({{10, 10}, {50, 50}});
    EXPECT_TRUE(Selection());
    EXPECT_FALSE(doc->GetSelection());
    edit();
    EXPECT_FALSE(Selection()) << "the document's selection is back";
    // Confirmed, it stays.
    Drag({{10, 10}, {50, 50}});
    doc->SetSelection(host.selector.GetSelection());
    edit();
    EXPECT_TRUE(Selection() == QnRgn(QnRect{10, 10, 50, 50}));
}

TEST_F(Selector, WholePictureCommands)
{
    const QnRgn whole(QnRect{0, 0, 300, 200});
    host.params.editorState = 2;  // invert nothing
    host.selector.ApplyWholePictureCommand();
    EXPECT_TRUE(Selection() == whole);
    EXPECT_EQ(host.params.editorState, -1);
    host.params.editorState = 1;
    host.selector.ApplyWholePictureCommand();
    EXPECT_FALSE(Selection());
    host.params.editorState = 2;
    host.selector.ApplyWholePictureCommand();
    EXPECT_TRUE(Selection() == whole);
    host.params.editorState = 2;
    host.selector.SetSelection(QnRgn(QnRect{0, 0, 100, 200}));
    host.selector.ApplyWholePictureCommand();
    EXPECT_TRUE(Selection() == QnRgn(QnRect{100, 0, 300, 200}));
}

TEST_F(Selector, NoShapeLeavesTheMouseAlone)
{
    host.params.mode = kSelectNone;
    host.selector.SetSelection(QnRgn(QnRect{1, 1, 5, 5}));
    Drag({{10, 10}, {50, 50}});
    EXPECT_TRUE(Selection() == QnRgn(QnRect{1, 1, 5, 5}));
}

TEST_F(Selector, EachShapeShowsTheProgramsCursor)
{
    struct Case {
        int mode;
        uint32_t id;
        QPoint hotSpot;
    };
    const Case cases[] = {
        {kSelectRectangle, CLdSelector::kRectangleCursor, {1, 1}},
        {kSelectEllipse, CLdSelector::kEllipseCursor, {1, 1}},
        {kSelectFreehand, CLdSelector::kFreehandCursor, {1, 1}},
        {kSelectColourRange, CLdSelector::kColourRangeCursor, {10, 10}},
        {kSelectMove, CLdSelector::kMoveCursor, {6, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        host.params.mode = c.mode;
        const std::optional<QCursor> shown = host.selector.Cursor(*view, QnPoint{5, 5}, Qt::NoModifier);
        const std::optional<QCursor> drawn = LdLoadProgramCursor(c.id);
        ASSERT_TRUE(shown && drawn);
        EXPECT_EQ(shown->hotSpot(), c.hotSpot);
        EXPECT_EQ(shown->pixmap().toImage(), drawn->pixmap().toImage());
    }
    host.params.mode = kSelectPolygon;
    EXPECT_FALSE(host.selector.Cursor(*view, QnPoint{5, 5}, Qt::NoModifier));
}
