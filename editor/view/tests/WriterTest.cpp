// The text tool in real views driven by mouse events: where it measures and
// shows the text, the hit test that starts a drag, the preview over the
// picture while placing (colour, picture and selection clip) and the commit
// as one undo step.
#include "ViewTestFrame.h"

#include "editor/view/LdWriter.h"
#include "imexp/ImExp.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

class WriterHost : public CLdViewHost {
public:
    int ViewMode() override { return 1; }
    CLdViewTool* CurrentTool() override { return &writer; }
    void LockOutline(bool) override {}
    void ViewActivated(CLodo40View*) override {}

    CTextParams text;
    CLdWriter writer{text};
};

class Writing : public ViewFrameTest {
protected:
    void SetUp() override
    {
        host.text.text = "abc";
        host.text.ints[CLdWriter::kSize] = 20;
        host.text.ints[CLdWriter::kColour] = 0x0000FF;
        SetUpFrame(&host);
    }
    void TearDown() override { TearDownFrame(); }

    // What the window shows, picture and preview, in client pixels (the
    // view paints one tile at a time; this is all of them).
    QImage Shown(CLodo40View* view)
    {
        view->PaintAll();
        QImage image = view->Grab();
        QPainter painter(&image);
        host.writer.PaintOverlay(*view, painter);
        return image;
    }
    // The client pixels of colour rgb, as their bounding box in picture
    // coordinates (empty when there is none).
    QnRect PixelsOf(CLodo40View* view, QRgb rgb)
    {
        const QImage image = Shown(view);
        QnRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF)) {
                    const QnPoint p = view->ClientToPicture(QnPoint{x, y});
                    box = box.IsEmpty() ? QnRect{p.x, p.y, p.x + 1, p.y + 1}
                                        : QnRect{std::min(box.left, p.x), std::min(box.top, p.y),
                                                 std::max(box.right, p.x + 1), std::max(box.bottom, p.y + 1)};
                }
        return box;
    }
    static bool Inside(const QnRect& inner, const QnRect& outer)
    {
        return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
               inner.bottom <= outer.bottom;
    }

    WriterHost host;
};

QnXFormXY Zoom(int32_t a, uint32_t d) { return QnXFormXY(QnXForm(a, 0, d), QnXForm(a, 0, d)); }

} // namespace

TEST_F(Writing, MeasuresInThePictureAtEveryZoom)
{
    CLodo40View* view = OpenPattern(200, 120);
    ASSERT_NE(view, nullptr);
    host.text.ints[CLdWriter::kSize] = 64;
    struct Case {
        int32_t a;
        uint32_t d;
        int32_t tenths;
    };
    QnRect atOne;
    for (const Case& c : {Case{1, 1, 640}, Case{1, 2, 320}, Case{2, 1, 1280}}) {
        view->SetZoom(Zoom(c.a, c.d));
        host.writer.MeasureText(*view);
        EXPECT_EQ(host.writer.Font().height, LdPointFont(c.tenths, "Arial").height) << c.a << ":" << c.d;
        const QnRect r = host.writer.TextRect();
        if (c.d == 1 && c.a == 1)
            atOne = r;
        EXPECT_NEAR(r.right, atOne.right, 4) << c.a << ":" << c.d;
        EXPECT_NEAR(r.bottom, atOne.bottom, 4) << c.a << ":" << c.d;
    }
    EXPECT_EQ(host.writer.Font().weight, 400);
    host.text.ints[CLdWriter::kBold] = 1;
    host.writer.MeasureText(*view);
    EXPECT_EQ(host.writer.Font().weight, 700);

    // The spaces at both ends are part of the box.
    view->SetZoom(Zoom(1, 1));
    const int32_t withSpaces = host.writer.TextRect().right;
    host.text.text = "abcabc";
    host.writer.MeasureText(*view);
    EXPECT_LT(host.writer.TextRect().right, 2 * withSpaces);
    // No text: nothing measured, and a button down anywhere may start a drag.
    host.text.text.clear();
    host.writer.MeasureText(*view);
    EXPECT_TRUE(host.writer.TextRect().IsEmpty());
    EXPECT_TRUE(host.writer.HitTest(QnPoint{500, 500}));
}

TEST_F(Writing, ShowsThenDragsTheTextWithoutTouchingThePicture)
{
    CLodo40View* view = OpenPattern(200, 120);
    ASSERT_NE(view, nullptr);
    // The first painting places the text at the top-left of the picture.
    const QnRect first = PixelsOf(view, qRgb(255, 0, 0));
    ASSERT_TRUE(host.writer.Placed());
    EXPECT_EQ(host.writer.Position(), (QnPoint{0, 0}));
    const QnRect box = host.writer.TextRect();
    ASSERT_FALSE(first.IsEmpty());
    EXPECT_TRUE(Inside(first, box));

    // A press outside the box (2 pixels grown) starts nothing.
    EXPECT_TRUE(host.writer.HitTest(QnPoint{box.right + 1, 5}));
    EXPECT_FALSE(host.writer.HitTest(QnPoint{box.right + 2, 5}));
    Drag(view, {{box.right + 10, 5}, {box.right + 50, 50}});
    EXPECT_EQ(host.writer.Position(), (QnPoint{0, 0}));

    // Grabbed inside, the text follows the pointer from where it was taken.
    Drag(view, {{5, 5}, {30, 20}, {65, 45}});
    EXPECT_EQ(host.writer.Position(), (QnPoint{60, 40}));
    EXPECT_EQ(host.text.ints[CLdWriter::kX], 60);
    EXPECT_EQ(host.text.ints[CLdWriter::kY], 40);
    const QnRect moved = PixelsOf(view, qRgb(255, 0, 0));
    EXPECT_EQ(moved.left - first.left, 60);
    EXPECT_EQ(moved.top - first.top, 40);
    EXPECT_EQ(view->GetDocument()->UndoList().Size(), 0u);
    EXPECT_EQ(view->GetDocument()->GetPixelColor(QnPoint{moved.left + 1, moved.top + 1}) & 0xFF, 77u);
}

TEST_F(Writing, PreviewKeepsToThePictureAndTheSelection)
{
    CLodo40View* view = OpenPattern(200, 120);
    ASSERT_NE(view, nullptr);
    host.text.ints[CLdWriter::kSize] = 40;
    Shown(view);
    Drag(view, {{5, 5}, {155, 85}});  // runs off the picture's right edge
    const QnRect shown = PixelsOf(view, qRgb(255, 0, 0));
    ASSERT_FALSE(shown.IsEmpty());
    EXPECT_LE(shown.right, 200);
    EXPECT_LE(shown.bottom, 120);
    // With a selection, only its part.
    CLodo40Doc* doc = view->GetDocument();
    doc->SetSelection(QnRgn(QnRect{150, 80, 170, 200}));
    view->viewport()->update();
    const QnRect clipped = PixelsOf(view, qRgb(255, 0, 0));
    ASSERT_FALSE(clipped.IsEmpty());
    EXPECT_TRUE(Inside(clipped, QnRect{150, 80, 170, 120}));
}

TEST_F(Writing, CommitAddsTheTextAsOneStep)
{
    CLodo40View* view = OpenPattern(200, 120);
    ASSERT_NE(view, nullptr);
    Shown(view);
    Drag(view, {{5, 5}, {45, 25}});
    CLodo40Doc* doc = view->GetDocument();
    host.writer.Commit(*doc);
    ASSERT_EQ(doc->UndoList().Size(), 1u);
    EXPECT_EQ(doc->GetLabel(), "Add Text");
    EXPECT_TRUE(host.text.text.empty());
    // The picture has red text where the preview was.
    bool red = false;
    for (int32_t y = 20; y < 60 && !red; ++y)
        for (int32_t x = 40; x < 120 && !red; ++x)
            red = doc->GetPixelColor(QnPoint{x, y}) == 0x0000FFu;
    EXPECT_TRUE(red);
    // Nothing to add: no step.
    host.writer.Commit(*doc);
    EXPECT_EQ(doc->UndoList().Size(), 1u);
}

TEST_F(Writing, AGreyPictureShowsTheGreyOfTheColour)
{
    const PpQnPicture grey(120, 80, WA_GRAY, nullptr);
    const std::string path = (folder / "grey.bmp").string();
    ASSERT_TRUE(imexp::WritePicture(path, *grey));
    fw::Document* opened = tmpl->OpenDocumentFile(path);
    ASSERT_NE(opened, nullptr);
    auto* view = dynamic_cast<CLodo40View*>(opened->GetFirstView());
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->GetDocument()->PictureType(), 8);
    EXPECT_FALSE(PixelsOf(view, qRgb(85, 85, 85)).IsEmpty());
    EXPECT_TRUE(PixelsOf(view, qRgb(255, 0, 0)).IsEmpty());
}
