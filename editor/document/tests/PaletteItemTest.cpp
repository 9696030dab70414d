// A palette tool applied to a document: one undo step named after the tool,
// inside the selection, undone to the same pixels; refused on paletted
// pictures; a tool that cannot run changes nothing.
#include "DocTestSupport.h"

#include "editor/builtins/ToolValues.h"
#include "editor/painting/FillFunction.h"
#include "editor/palette/LdPlugInPaletteItem.h"
#include "lang/ValueExpr.h"

using namespace doctest;

namespace {

// A tool that fills the selection with red.
class RedTool : public CLdPaletteItem {
public:
    RedTool() : CLdPaletteItem(1, "Red", 0, 0) {}
    PpQnExpr Apply(const PpQnExpr& picture, const PpQnExpr& selection) const override
    {
        CFillParams fill;
        fill.color1 = 0x0000FF;
        return MakeFillExpr(picture, selection, PpQnExpr(PpQnFlVal(MakeFlFillParams(fill))), 0, 0);
    }
};

class PaletteTools : public DocTest {};

} // namespace

TEST_F(PaletteTools, AToolIsOneStepInsideTheSelection)
{
    CLodo40Doc doc;
    NewFromExpression(doc, PpQnExpr(PpQnFlVal(Pattern(60, 40))));
    const std::vector<uint8_t> before = doc.RenderToDib();
    doc.SetSelection(QnRgn(QnRect{10, 10, 30, 20}));
    doc.ApplyPaletteItem(RedTool());
    ASSERT_EQ(doc.UndoList().Size(), 1u);
    EXPECT_EQ(doc.GetLabel(), "Red");
    EXPECT_EQ(doc.UndoList().Records().back().rect, (QnRect{10, 10, 30, 20}));
    EXPECT_EQ(doc.GetPixelColor(QnPoint{15, 15}), 0x0000FFu);
    EXPECT_NE(doc.GetPixelColor(QnPoint{5, 5}), 0x0000FFu);
    EXPECT_TRUE(doc.ClipResult());
    doc.OnEditUndo();
    EXPECT_EQ(doc.RenderToDib(), before);

    // Without a selection the whole picture is the step's rectangle.
    doc.SetSelection(QnRgn());
    doc.ApplyPaletteItem(RedTool());
    EXPECT_EQ(doc.UndoList().Records().back().rect, (QnRect{0, 0, 60, 40}));
}

TEST_F(PaletteTools, RefusedWhereTheyCannotRun)
{
    CLodo40Doc doc;
    NewFromExpression(doc, PpQnExpr(PpQnFlVal(PpQnPicture(20, 10, WA_8BIT, nullptr))));
    doc.ApplyPaletteItem(RedTool());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Wrong picture type.\nPicture should be truecolor or grayscale");
    EXPECT_EQ(doc.UndoList().Size(), 0u);

    CLodo40Doc colour;
    NewFromExpression(colour, PpQnExpr(PpQnFlVal(Pattern(20, 10))));
    colour.ApplyPaletteItem(CLdPlugInPaletteItem(32809, "Emboss", 0, 0));
    EXPECT_EQ(colour.UndoList().Size(), 0u);
    EXPECT_EQ(messages.size(), 1u);
}
