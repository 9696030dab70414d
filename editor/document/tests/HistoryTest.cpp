// The commit path and the walk through the histories: twenty edits undone
// and redone, the fast-undo depth and its question, merged stroke segments,
// the rectangles the views repaint, the modified mark and the Image History
// dialog.
#include "DocTestSupport.h"

#include "editor/builtins/FL_Functions.h"
#include "editor/ui/HistoryDlg.h"
#include "framework/Dialog.h"
#include "framework/MessageBox.h"

using namespace doctest;

namespace {

PpQnExpr Blank()
{
    return MakeNewPictureExpr(0, 3, 2, 300, 300);
}

class History : public DocTest {};

}  // namespace

TEST_F(History, TwentyEditsUndoneAndRedone)
{
    host.depth = 25;
    CLodo40Doc doc;
    NewFromExpression(doc, Blank());
    for (int i = 1; i <= 20; ++i)
        doc.ApplyExpression(EditExpr(doc.GetExpression(), i), nullptr, nullptr, "Edit " + std::to_string(i), true,
                            true);
    EXPECT_EQ(BlueAt00(doc), 20);
    EXPECT_EQ(doc.UndoList().Size(), 20u);
    for (int i = 19; i >= 0; --i) {
        doc.StepHistory(1);
        ASSERT_EQ(BlueAt00(doc), i);
    }
    EXPECT_TRUE(doc.UndoListEmpty());
    doc.StepHistory(1);  // nothing left: nothing happens
    EXPECT_EQ(doc.RedoList().Size(), 20u);
    doc.StepHistory(-7);
    EXPECT_EQ(BlueAt00(doc), 7);
    EXPECT_EQ(doc.GetLabel(), "Edit 7");
    doc.StepHistory(-100);  // more than there is: nothing
    EXPECT_EQ(BlueAt00(doc), 7);
    // A new edit clears the redo side.
    doc.ApplyExpression(EditExpr(doc.GetExpression(), 99), nullptr, nullptr, "Other", true, true);
    EXPECT_TRUE(doc.RedoListEmpty());
    EXPECT_EQ(doc.UndoList().Size(), 8u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(History, FastUndoDepthAsksBeyondItsReducts)
{
    struct Case {
        int32_t depth;
        int undosWithoutQuestion;
    };
    for (const Case c : {Case{2, 2}, Case{0, 0}, Case{-3, 0}}) {
        SCOPED_TRACE(c.depth);
        host.depth = c.depth;
        messages.clear();
        CLodo40Doc doc;
        NewFromExpression(doc, Blank());
        for (int i = 1; i <= 4; ++i)
            doc.ApplyExpression(EditExpr(doc.GetExpression(), i), nullptr, nullptr, "Edit", true, true);
        for (int i = 0; i < c.undosWithoutQuestion; ++i)
            doc.StepHistory(1);
        EXPECT_TRUE(messages.empty());
        answers = {fw::IDNO};
        doc.StepHistory(1);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].rfind("Fast undo stack is exhausted", 0), 0u);
        EXPECT_EQ(BlueAt00(doc), 4 - c.undosWithoutQuestion);  // No changed nothing
        answers = {fw::IDYES};
        doc.StepHistory(1);
        EXPECT_EQ(BlueAt00(doc), 3 - c.undosWithoutQuestion);
        doc.StepHistory(-1);  // redo never asks
        EXPECT_EQ(messages.size(), 2u);
    }
}

TEST_F(History, TrimDropsTheOldestReductsButKeepsEveryStep)
{
    host.depth = 5;
    CLodo40Doc doc;
    NewFromExpression(doc, Blank());
    for (int i = 1; i <= 5; ++i)
        doc.ApplyExpression(EditExpr(doc.GetExpression(), i), nullptr, nullptr, "Edit", true, true);
    EXPECT_EQ(doc.UndoList().Reducts().size(), 5u);
    host.depth = 1;
    doc.TrimUndoLists();
    EXPECT_EQ(doc.UndoList().Reducts().size(), 1u);
    EXPECT_EQ(doc.UndoList().Size(), 5u);
    answers = {fw::IDYES};
    doc.StepHistory(3);
    EXPECT_EQ(BlueAt00(doc), 2);
}

TEST_F(History, MergedSegmentsAreOneStepAndWidenTheirRectangle)
{
    CLodo40Doc doc;
    RecordingView view;
    doc.AddView(&view);
    NewFromExpression(doc, Blank());
    // A merge into an empty history changes the picture but records nothing.
    doc.ApplyExpression(EditExpr(doc.GetExpression(), 1), nullptr, nullptr, "Paint", true, false);
    EXPECT_TRUE(doc.UndoListEmpty());
    EXPECT_EQ(BlueAt00(doc), 1);

    const QnRect a{0, 0, 1, 1}, b{2, 1, 3, 2}, empty{};
    doc.ApplyExpression(EditExpr(doc.GetExpression(), 2), &a, nullptr, "Paint", true, true);
    doc.ApplyExpression(EditExpr(doc.GetExpression(), 3), &b, nullptr, "Paint", true, false);
    doc.ApplyExpression(EditExpr(doc.GetExpression(), 4), &empty, nullptr, "Paint", true, false);
    ASSERT_EQ(doc.UndoList().Size(), 1u);
    EXPECT_EQ(doc.UndoList().Records()[0].rect, (QnRect{0, 0, 3, 2}));
    view.updates.clear();
    doc.StepHistory(1);
    ASSERT_EQ(view.updates.size(), 1u);
    EXPECT_FALSE(view.updates[0].whole);
    EXPECT_EQ(view.updates[0].rect, (QnRect{0, 0, 3, 2}));
    EXPECT_EQ(BlueAt00(doc), 1);

    // Several steps repaint the union, or everything when one was whole.
    doc.StepHistory(-1);
    doc.ApplyExpression(EditExpr(doc.GetExpression(), 5), nullptr, nullptr, "Whole", true, true);
    doc.ApplyExpression(EditExpr(doc.GetExpression(), 6), &a, nullptr, "Part", true, true);
    view.updates.clear();
    doc.StepHistory(2);
    ASSERT_EQ(view.updates.size(), 1u);
    EXPECT_TRUE(view.updates[0].whole);
    doc.RemoveView(&view);
}

TEST_F(History, ModifiedMarkFollowsTheSavedState)
{
    CLodo40Doc doc;
    doc.SetTitle("pic.png");
    NewFromExpression(doc, Blank());
    EXPECT_TRUE(doc.IsModified());  // a new picture counts as changed
    EXPECT_EQ(doc.GetTitle(), "pic.png*");
    doc.SetModifiedFlag(true);
    EXPECT_EQ(doc.GetTitle(), "pic.png*");  // never marked twice

    // As after a save: the current state is the saved one.
    const std::string path = TempPath("saved.png");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "pic.png");
    doc.ApplyExpression(EditExpr(doc.GetExpression(), 1), nullptr, nullptr, "Edit", true, true);
    EXPECT_EQ(doc.GetTitle(), "pic.png*");
    doc.StepHistory(1);
    EXPECT_FALSE(doc.IsModified());  // back at the saved state
    doc.StepHistory(-1);
    EXPECT_TRUE(doc.IsModified());
    // Undo past the saved state is impossible here; edit after undoing to
    // it, then go back: the saved state lies behind a cleared redo side.
    doc.StepHistory(1);
    doc.ApplyExpression(EditExpr(doc.GetExpression(), 2), nullptr, nullptr, "Edit", true, true);
    doc.StepHistory(1);
    EXPECT_FALSE(doc.IsModified());
    doc.StepHistory(-1);

    CLodo40Doc other;
    NewFromExpression(other, Blank());
    ASSERT_TRUE(other.OnSaveDocument(TempPath("other.png")));
    other.ApplyExpression(EditExpr(other.GetExpression(), 1), nullptr, nullptr, "Edit", true, true);
    other.StepHistory(1);
    other.StepHistory(1);  // nothing before the saved state: stays
    EXPECT_FALSE(other.IsModified());

    // An empty title is never marked.
    CLodo40Doc untitled;
    untitled.SetModifiedFlag(true);
    EXPECT_EQ(untitled.GetTitle(), "");
}

TEST_F(History, EditingAfterUndoingPastTheSavedStateMakesItUnreachable)
{
    CLodo40Doc doc;
    NewFromExpression(doc, Blank());
    doc.ApplyExpression(EditExpr(doc.GetExpression(), 1), nullptr, nullptr, "Edit", true, true);
    ASSERT_TRUE(doc.OnSaveDocument(TempPath("a.png")));
    doc.StepHistory(1);  // the saved state is now on the redo side
    EXPECT_TRUE(doc.IsModified());
    doc.ApplyExpression(EditExpr(doc.GetExpression(), 2), nullptr, nullptr, "Edit", true, true);
    EXPECT_FALSE(doc.IsSavedReachable());
    doc.StepHistory(1);
    EXPECT_TRUE(doc.IsModified());
    doc.StepHistory(-1);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(History, ImageHistoryListsAndWalksToTheChosenLine)
{
    CLodo40Doc doc;
    NewFromExpression(doc, Blank());
    for (int i = 1; i <= 3; ++i)
        doc.ApplyExpression(EditExpr(doc.GetExpression(), i), nullptr, nullptr, "Edit " + std::to_string(i), true,
                            true);
    doc.StepHistory(1);
    EXPECT_EQ(doc.HistoryLines(), (std::vector<std::string>{"  1.  New", "  2.  Edit 1", "  3.  Edit 2 (current)",
                                                           "  4.  Edit 3"}));
    struct Case {
        int choose;  // -1: Cancel
        int expected;
    };
    for (const Case c : {Case{-1, 2}, Case{2, 2}, Case{0, 0}, Case{3, 3}}) {
        fw::SetDialogHook([&](fw::Dialog& d) {
            auto& dialog = dynamic_cast<HistoryDlg&>(d);
            EXPECT_EQ(dialog.selectedEntry, int(doc.UndoList().Size()));
            if (c.choose < 0) {
                d.PressButton(fw::IDCANCEL);
                return;
            }
            dialog.selectedEntry = c.choose;
            d.EndDialog(fw::IDOK);
        });
        doc.OnEditImageHistory();
        EXPECT_EQ(BlueAt00(doc), c.expected) << c.choose;
    }
}
