// Crop and Paste Into Selection on a document: applied, undone and redone,
// the selection moved with the crop, the commands without a selection or a
// clipboard picture, and a cancelled evaluation that changes nothing.
#include "DocTestSupport.h"

#include "editor/operations/DibExport.h"
#include "editor/operations/PictureExprBuilders.h"
#include "editor/operations/UserAbortExcept.h"
#include "editor/operations/tests/AbortingControl.h"
#include "framework/Clipboard.h"
#include "framework/CmdUI.h"
#include "framework/MessageBox.h"

using namespace doctest;

namespace {

class PictureCommands : public DocTest {
protected:
    void New(CLodo40Doc& doc) { NewFromExpression(doc, PpQnExpr(PpQnFlVal(Pattern(90, 40)))); }
};


}  // namespace

TEST_F(PictureCommands, CropUndoAndRedo)
{
    CLodo40Doc doc;
    New(doc);
    const std::vector<uint8_t> original = doc.RenderToDib();
    const uint32_t inside = doc.GetPixelColor(QnPoint{12, 23});
    const struct {
        QnRect selection, moved;
        QnPoint size;
    } cases[] = {
        {{10, 20, 50, 35}, {0, 0, 40, 15}, {40, 15}},
        {{-5, 10, 30, 30}, {-5, 0, 30, 20}, {30, 20}}, // not moved to the right
    };
    for (const auto& c : cases) {
        doc.SetSelection(QnRgn(c.selection));
        doc.OnPictureCrop();
        EXPECT_EQ(doc.GetPictureSize(), c.size);
        EXPECT_EQ(doc.GetSelection(), QnRgn(c.moved));
        EXPECT_EQ(doc.GetLabel(), "Menu " + std::to_string(CLodo40Doc::ID_PICTURE_CROP));
        doc.StepHistory(1);
        EXPECT_EQ(doc.RenderToDib(), original);
        EXPECT_EQ(doc.GetSelection(), QnRgn(c.selection));
    }
    doc.StepHistory(-1);
    EXPECT_EQ(doc.GetPictureSize(), (QnPoint{30, 20}));
    EXPECT_EQ(doc.GetPixelColor(QnPoint{12, 13}), inside);
    EXPECT_TRUE(messages.empty());
}

TEST_F(PictureCommands, CropWithoutASelectionOffersTheSelectionCommand)
{
    CLodo40Doc doc;
    New(doc);
    answers = {fw::IDCANCEL, fw::IDOK};
    doc.OnPictureCrop();
    doc.OnPictureCrop();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "You have to select something first.");
    EXPECT_EQ(host.sent, std::vector<uint32_t>{CLodo40Doc::ID_EDIT_SELECT});
    EXPECT_TRUE(doc.UndoListEmpty());
}

TEST_F(PictureCommands, PasteIntoSelectionUndoAndRedo)
{
    CLodo40Doc doc;
    New(doc);
    host.clipboardFile = TempPath("clip.bmp");
    const std::vector<uint8_t> original = doc.RenderToDib();
    const uint32_t outside = doc.GetPixelColor(QnPoint{4, 4});

    fw::Clipboard::SetDib({});
    doc.SetSelection(QnRgn(QnRect{5, 5, 25, 15}));
    ASSERT_TRUE(fw::Clipboard::SetDib(RenderObjToDib(PpQnRenderObj(PpQnPicture(10, 10, 0x00405060u)), 3)));
    EXPECT_TRUE(CommandEnabled(doc, CLodo40Doc::ID_EDIT_PASTE_INTO_SELECTION));
    doc.OnEditPasteIntoSelection();
    EXPECT_EQ(doc.UndoList().Size(), 1u);
    EXPECT_EQ(doc.GetPixelColor(QnPoint{5, 5}), 0x00405060u);
    EXPECT_EQ(doc.GetPixelColor(QnPoint{24, 14}), 0x00405060u);
    EXPECT_EQ(doc.GetPixelColor(QnPoint{4, 4}), outside);
    EXPECT_EQ(doc.GetSelection(), QnRgn(QnRect{5, 5, 25, 15}));
    doc.StepHistory(1);
    EXPECT_EQ(doc.RenderToDib(), original);
    doc.StepHistory(-1);
    EXPECT_EQ(doc.GetPixelColor(QnPoint{15, 10}), 0x00405060u);

    // Without a selection the command does nothing and is disabled.
    doc.SetSelection(QnRgn());
    EXPECT_FALSE(CommandEnabled(doc, CLodo40Doc::ID_EDIT_PASTE_INTO_SELECTION));
    doc.OnEditPasteIntoSelection();
    EXPECT_EQ(doc.UndoList().Size(), 1u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(PictureCommands, CloneSwitchesToTheCloneToolForColourAndGreyOnly)
{
    const struct {
        int32_t type;
        bool enabled;
    } cases[] = {{WA_RGB24, true}, {WA_GRAY, true}, {WA_8BIT, false}, {WA_4BIT, false}, {WA_1BIT, false}};
    for (const auto& c : cases) {
        CLodo40Doc doc;
        NewFromExpression(doc, PpQnExpr(PpQnFlVal(PpQnPicture(8, 6, c.type, nullptr))));
        host.switched.clear();
        EXPECT_EQ(CommandEnabled(doc, CLodo40Doc::ID_PICTURE_CLONE), c.enabled) << c.type;
        doc.OnPictureClone();
        EXPECT_EQ(host.switched, c.enabled ? std::vector<std::string>{"Clone"} : std::vector<std::string>{}) << c.type;
        EXPECT_TRUE(doc.UndoListEmpty());
    }
}

TEST_F(PictureCommands, CancelledEvaluationLeavesTheDocument)
{
    CLodo40Doc doc;
    New(doc);
    doc.SetSelection(QnRgn(QnRect{10, 20, 50, 35}));
    const std::vector<uint8_t> before = doc.RenderToDib();
    AbortingControl control;
    const QnRgn moved(QnRect{0, 0, 40, 15});
    EXPECT_THROW(doc.SetPictureFromExpression(MakeCropExpr(doc.GetExpression(), doc.SelectionMaskExpr(), 0), nullptr,
                                              &moved, "Crop", true, &control),
                 UserAbortExcept);
    EXPECT_EQ(doc.RenderToDib(), before);
    EXPECT_EQ(doc.GetSelection(), QnRgn(QnRect{10, 20, 50, 35}));
}
