// The plug-in menu's commands on a document: a run inside the selection
// with its undo and redo, runs that cancel or fail, and the enable rule.
#include "DocTestSupport.h"

#include "editor/plugins/tests/PaintPlugIns.h"
#include "framework/CmdUI.h"

using namespace doctest;

namespace {

class PlugInCommands : public DocTest {
protected:
    void New(CLodo40Doc& doc, const PpQnPicture& picture) { NewFromExpression(doc, PpQnExpr(PpQnFlVal(picture))); }

    PaintPlugIns plugIns;
};


}  // namespace

// One undo step named after the plug-in; the selection's mask is kept as
// the clip; redo brings the result back without asking for parameters.
TEST_F(PlugInCommands, RunUndoAndRedo)
{
    CLodo40Doc doc;
    New(doc, Pattern(90, 40));
    host.foreground = 0x00302010;
    doc.SetSelection(QnRgn(QnRect{10, 5, 30, 25}));
    const std::vector<uint8_t> before = doc.RenderToDib();
    const uint32_t outside = doc.GetPixelColor(QnPoint{40, 30});
    RecordingView view;
    doc.AddView(&view);

    ASSERT_TRUE(doc.ExecuteCommand(plugIns.Command("Foreground fill")));
    EXPECT_EQ(doc.GetLabel(), "Foreground fill");
    EXPECT_EQ(doc.GetPixelColor(QnPoint{12, 6}), 0x00302010u);
    EXPECT_EQ(doc.GetPixelColor(QnPoint{40, 30}), outside);
    ASSERT_EQ(view.updates.size(), 1u);
    EXPECT_EQ(view.updates[0].rect, (QnRect{10, 5, 30, 25}));
    EXPECT_TRUE(doc.ClipResult());
    const std::vector<uint8_t> after = doc.RenderToDib();

    doc.StepHistory(1);
    EXPECT_EQ(doc.RenderToDib(), before);
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    doc.StepHistory(-1);
    EXPECT_EQ(doc.RenderToDib(), after);
    EXPECT_EQ(plugIns.Count("paint-1 parameters"), 1);
    EXPECT_TRUE(messages.empty());
    doc.RemoveView(&view);
}

TEST_F(PlugInCommands, CancelOrFailureLeavesTheDocument)
{
    CLodo40Doc doc;
    New(doc, Pattern(90, 40));
    const std::vector<uint8_t> before = doc.RenderToDib();
    const bool modified = doc.IsModified();
    for (const char* name : {"Cancels", "Fails"}) {
        EXPECT_TRUE(doc.ExecuteCommand(plugIns.Command(name)));
        EXPECT_EQ(doc.RenderToDib(), before) << name;
    }
    // A command of the range bound to no plug-in ends as quietly.
    EXPECT_TRUE(doc.ExecuteCommand(CLodo40Doc::ID_PLUGIN_LAST));
    EXPECT_TRUE(doc.UndoListEmpty());
    EXPECT_EQ(doc.IsModified(), modified);
    EXPECT_TRUE(messages.empty());
}

TEST_F(PlugInCommands, EnabledForColourAndGreyPictures)
{
    const struct {
        int type;
        bool enabled;
    } cases[] = {{WA_RGB24, true}, {WA_GRAY, true}, {WA_8BIT, false}, {WA_4BIT, false}, {WA_1BIT, false}};
    host.foreground = 0x00FFFFFF;  // the new pictures are black: the fill changes them
    for (const auto& c : cases) {
        CLodo40Doc doc;
        New(doc, PpQnPicture(30, 20, c.type, nullptr));
        EXPECT_EQ(CommandEnabled(doc, plugIns.Command("Fill everywhere")), c.enabled) << c.type;
        doc.ExecuteCommand(plugIns.Command("Fill everywhere"));
        EXPECT_EQ(doc.UndoListEmpty(), !c.enabled) << c.type;
    }
    EXPECT_EQ(plugIns.Count("paint-2 start"), 2);
}

// A plug-in that gives every pixel back as it was (a fill with the colour
// the picture already has) records no undo step and says so.
TEST_F(PlugInCommands, ARunThatChangesNothingRecordsNoStep)
{
    CLodo40Doc doc;
    New(doc, Pattern(90, 40));
    doc.SetSelection(QnRgn(QnRect{12, 6, 13, 7}));
    host.foreground = doc.GetPixelColor(QnPoint{12, 6});
    const std::vector<uint8_t> before = doc.RenderToDib();
    EXPECT_TRUE(doc.ExecuteCommand(plugIns.Command("Foreground fill")));
    EXPECT_TRUE(doc.UndoListEmpty());
    EXPECT_EQ(doc.RenderToDib(), before);
    EXPECT_EQ(messages, std::vector<std::string>{"Nothing to do!"});

    host.foreground ^= 0x00010101;  // one level off: a change
    messages.clear();
    EXPECT_TRUE(doc.ExecuteCommand(plugIns.Command("Foreground fill")));
    EXPECT_FALSE(doc.UndoListEmpty());
    EXPECT_TRUE(messages.empty());
}
