// Wizard > Frames... on a document: the framed picture is committed as one
// step, undone back to the original and redone; a grey picture is framed
// grey; Cancel and pictures of other types change nothing.
#include "DocTestSupport.h"

#include <QComboBox>
#include <cstring>

#include "editor/operations/Convert.h"
#include "editor/operations/PicFactory.h"
#include "editor/operations/PictureRowAccess.h"
#include "editor/ui/FrameDlg.h"
#include "framework/CmdUI.h"
#include "framework/Dialog.h"
#include "framework/MessageBox.h"

using namespace doctest;

namespace {

class FrameCommand : public DocTest {
protected:
    void SetUp() override
    {
        DocTest::SetUp();
        SetFramePictureFolder(QN_PROGRAM_FOLDER);
    }
    void TearDown() override
    {
        SetFramePictureFolder("");
        DocTest::TearDown();
    }
};

void Choose(fw::Dialog& d, uint32_t id, int index)
{
    auto* combo = qobject_cast<QComboBox*>(d.GetDlgItem(id));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}


}  // namespace

TEST_F(FrameCommand, FramesThePictureAsOneUndoableStep)
{
    CLodo40Doc doc;
    NewFromExpression(doc, PpQnExpr(PpQnFlVal(Pattern(90, 40))));
    const std::vector<uint8_t> original = doc.RenderToDib();
    doc.SetSelection(QnRgn(QnRect{5, 6, 30, 20}));
    EXPECT_TRUE(CommandEnabled(doc, CLodo40Doc::ID_WIZARD_FRAMES));

    fw::SetDialogHook([](fw::Dialog& d) {
        Choose(d, CFrameDlg::IDC_FRAME_TYPE, 1);
        Choose(d, CFrameDlg::IDC_FRAME_SIZE, 0);  // 90 / 32
        Choose(d, CFrameDlg::IDC_MAT_SIZE, 2);    // 90 / 16
        d.PressButton(fw::IDOK);
    });
    doc.OnWizardFrames();
    const int32_t b = 2 + 5;
    EXPECT_EQ(doc.GetPictureSize(), (QnPoint{90 + 2 * b, 40 + 2 * b}));
    EXPECT_EQ(doc.UndoList().Size(), 1u);
    EXPECT_EQ(doc.GetLabel(), "Menu " + std::to_string(CLodo40Doc::ID_WIZARD_FRAMES));
    EXPECT_EQ(doc.GetSelection(), QnRgn());
    {
        // The picture sits unchanged in the middle.
        const PictureRowAccess framed(PpQnRenderObj(doc.GetPicture()), 3, QnRect{b, b, b + 90, b + 40});
        const PictureRowAccess plain(PpQnRenderObj(Pattern(90, 40)), 3, QnRect{0, 0, 90, 40});
        for (int32_t y = 0; y < 40; ++y)
            ASSERT_EQ(0, std::memcmp(framed.Row(y), plain.Row(y), 270)) << y;
    }

    doc.StepHistory(1);
    EXPECT_EQ(doc.RenderToDib(), original);
    EXPECT_EQ(doc.GetSelection(), QnRgn(QnRect{5, 6, 30, 20}));
    doc.StepHistory(-1);
    EXPECT_EQ(doc.GetPictureSize(), (QnPoint{90 + 2 * b, 40 + 2 * b}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(FrameCommand, CancelChangesNothingGreyStaysGreyOtherTypesAreLeftAlone)
{
    CLodo40Doc doc;
    NewFromExpression(doc, PpQnExpr(PpQnFlVal(Pattern(64, 30))));
    int shown = 0;
    int answer = fw::IDCANCEL;
    fw::SetDialogHook([&](fw::Dialog& d) {
        ++shown;
        Choose(d, CFrameDlg::IDC_FRAME_TYPE, 1);
        Choose(d, CFrameDlg::IDC_MAT_SIZE, 1);  // 64 / 32
        d.PressButton(uint32_t(answer));
    });
    doc.OnWizardFrames();
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(doc.UndoListEmpty());
    EXPECT_EQ(doc.GetPictureSize(), (QnPoint{64, 30}));

    doc.ApplyExpression(PpQnExpr(MakeConvertToGrayOr24BitExpr(1), doc.GetExpression()), nullptr, nullptr, "grey",
                        true, true);
    EXPECT_TRUE(CommandEnabled(doc, CLodo40Doc::ID_WIZARD_FRAMES));
    answer = fw::IDOK;
    doc.OnWizardFrames();
    EXPECT_EQ(doc.PictureType(), 8);
    EXPECT_EQ(doc.GetPictureSize(), (QnPoint{64 + 2 * (2 + 2), 30 + 2 * (2 + 2)}));

    NewFromExpression(doc, PpQnExpr(PpQnFlVal(PpQnPicture(20, 10, 1, nullptr))));
    EXPECT_FALSE(CommandEnabled(doc, CLodo40Doc::ID_WIZARD_FRAMES));
    doc.OnWizardFrames();
    EXPECT_EQ(shown, 2);
}
