// The painting tools' edits on a document: one undo step per stroke however
// many segments it has, undone and redone to the same pixels; a long stroke
// keeps no picture per segment; the fill's recorded rectangle; text and
// clone steps with their labels.
#include "DocTestSupport.h"

#include "editor/document/DocStrings.h"
#include "gc/QnObj.h"
#include "gc/QnStdAlloc.h"
#include "lang/ValueExpr.h"

using namespace doctest;

namespace {

class Edits : public DocTest {
protected:
    void New(CLodo40Doc& doc, int32_t w = 120, int32_t h = 90)
    {
        NewFromExpression(doc, PpQnExpr(PpQnFlVal(Pattern(w, h))));
    }
};

CBrushParams Brush(int32_t mode, int32_t size)
{
    CBrushParams b;
    b.mode = mode;
    b.size = size;
    b.shape = 1;
    b.smooth = 1;
    b.color = 0x2080F0;
    return b;
}

} // namespace

TEST_F(Edits, AStrokeIsOneStepWhateverItsSegments)
{
    host.depth = 10;
    CLodo40Doc doc;
    New(doc);
    const std::vector<uint8_t> original = doc.RenderToDib();
    // An airbrush stroke: redone, it must spray the same pixels.
    doc.PaintStroke(Brush(1, 15), {{10, 10}, {14, 12}}, {1, 0}, true, true);
    doc.PaintStroke(Brush(1, 15), {{20, 16}, {30, 20}}, {14, 12}, true, false);
    doc.PaintStroke(Brush(1, 15), {{60, 70}}, {30, 20}, true, false);
    ASSERT_EQ(doc.UndoList().Size(), 1u);  // the stroke, from the New state
    const UndoRecord& step = doc.UndoList().Records().back();
    EXPECT_EQ(step.label, "New");
    EXPECT_EQ(doc.GetLabel(), DocString(IDS_PAINT));
    EXPECT_EQ(step.rect, (QnRect{3, 3, 68, 78}));
    const std::vector<uint8_t> painted = doc.RenderToDib();
    EXPECT_NE(painted, original);
    doc.OnEditUndo();
    EXPECT_EQ(doc.RenderToDib(), original);
    doc.OnEditRedo();
    EXPECT_EQ(doc.RenderToDib(), painted);
}

TEST_F(Edits, ALongStrokeKeepsNoPicturePerSegment)
{
    host.depth = 2;
    CLodo40Doc doc;
    New(doc, 640, 480);
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    const uint64_t before = QnStdAlloc::stdalloc.Allocated();
    // 3 000 segments, each dab on tiles of its own somewhere: kept, their
    // pictures would hold some 70 MB of private tiles.
    constexpr int kSegments = 3000;
    QnPoint last{1, 0};
    for (int i = 0; i < kSegments; ++i) {
        const QnPoint p{(i * 37) % 640, (i * 53) % 480};
        doc.PaintStroke(Brush(0, 3), {p}, last, false, i == 0);
        last = p;
    }
    const uint64_t grown = QnStdAlloc::stdalloc.Allocated() - before;
    EXPECT_LT(grown, uint64_t(24) << 20) << "bytes kept after the stroke";
    ASSERT_EQ(doc.UndoList().Size(), 1u);
    const std::vector<uint8_t> painted = doc.RenderToDib();
    // Undone and redone, the whole stroke is evaluated again from its
    // segments, 3 000 deep.
    doc.OnEditUndo();
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    doc.OnEditRedo();
    EXPECT_EQ(doc.RenderToDib(), painted);
}

TEST_F(Edits, FillRecordsTheSelectionBoxOrTheWholePicture)
{
    CLodo40Doc doc;
    New(doc);
    CFillParams fill;
    fill.color1 = 0x0000FF;
    doc.FillAt(fill, QnPoint{5, 5});
    EXPECT_EQ(doc.GetLabel(), DocString(IDS_FILL));
    EXPECT_EQ(doc.UndoList().Records().back().rect, (QnRect{0, 0, 120, 90}));
    doc.SetSelection(QnRgn(QnRect{10, 20, 40, 50}));
    doc.FillAt(fill, QnPoint{15, 25});
    EXPECT_EQ(doc.UndoList().Records().back().rect, (QnRect{10, 20, 40, 50}));
    EXPECT_EQ(doc.UndoList().Size(), 2u);
}

TEST_F(Edits, TextAndCloneAreStepsOfTheirOwn)
{
    CLodo40Doc doc;
    New(doc);
    CTextParams text;
    text.text = "Hi";
    text.ints[0] = 20;
    doc.AddText(text, QnPoint{10, 10});
    EXPECT_EQ(doc.GetLabel(), DocString(IDS_ADD_TEXT));
    EXPECT_FALSE(doc.UndoList().Records().back().whole);
    const std::vector<uint8_t> withText = doc.RenderToDib();
    doc.CloneStroke(Brush(0, 9), {{60, 40}}, &doc, 30, 0, true, true);
    EXPECT_EQ(doc.GetLabel(), DocString(IDS_CLONE));
    EXPECT_EQ(doc.UndoList().Size(), 2u);
    doc.CloneStroke(Brush(0, 9), {{60, 40}}, nullptr, 0, 0, true, true);
    EXPECT_EQ(doc.UndoList().Size(), 2u) << "no source, no step";
    doc.OnEditUndo();
    EXPECT_EQ(doc.RenderToDib(), withText);
}
