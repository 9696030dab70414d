// The effect commands on a document: a filter of each effect module run
// through the command table, inside the selection, as one undo step that
// undo and redo show again with the same pixels and without asking again;
// modules or entries that cannot be found end with their error and leave
// the document as it was; the commands' enable rule.
#include "DocTestSupport.h"

#include "editor/effects/EffectModuleFolder.h"
#include "filters/sdk/PIFilter.h"
#include "framework/CmdUI.h"
#include "framework/Dialog.h"
#include "framework/MessageBox.h"
#include "platform/IniFile.h"

#include <cstdlib>

using namespace doctest;

namespace {

struct EffectCase {
    const char* name;
    uint32_t command;
    bool grey = false;
};

// A grey picture with distinct pixels.
PpQnPicture GreyPattern(int32_t width, int32_t height)
{
    PpQnPicture p(width, height, WA_GRAY, nullptr);
    std::vector<uint8_t> row(static_cast<size_t>(width));
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x)
            row[size_t(x)] = uint8_t(x * 3 + y * 2);
        p->SetRow(0, 0, y, row.data());
    }
    return p;
}

void PrintTo(const EffectCase& c, std::ostream* out) { *out << c.name; }

class Effects : public DocTest {
protected:
    void SetUp() override
    {
        DocTest::SetUp();
        UseProgramEffectModules(QN_PROGRAM_FOLDER, folder / "config");
        fw::SetDialogHook([this](fw::Dialog& d) {
            dialogs.push_back(d.windowTitle().toStdString());
            d.PressButton(cancel ? fw::IDCANCEL : fw::IDOK);
        });
    }
    void TearDown() override
    {
        SetEffectModuleFolder("");
        DocTest::TearDown();
    }

    static std::vector<uint32_t> Pixels(const CLodo40Doc& doc)
    {
        std::vector<uint32_t> pixels;
        const QnPoint size = doc.GetPictureSize();
        for (int32_t y = 0; y < size.y; ++y)
            for (int32_t x = 0; x < size.x; ++x)
                pixels.push_back(doc.GetPixelColor({x, y}));
        return pixels;
    }

    std::vector<std::string> dialogs;
    bool cancel = false; // how the module's dialogs are answered
};

class EffectOfEachModule : public Effects, public ::testing::WithParamInterface<EffectCase> {};

constexpr int32_t kW = 64, kH = 48;
const QnRect kSelected{8, 6, 56, 40};

} // namespace

TEST_P(EffectOfEachModule, RunsInsideTheSelectionAndUndoRedoGiveTheSamePixels)
{
    host.depth = 1; // redo evaluates the step again
    CLodo40Doc doc;
    NewFromExpression(doc, PpQnExpr(PpQnFlVal(GetParam().grey ? GreyPattern(kW, kH) : Pattern(kW, kH))));
    doc.SetSelection(QnRgn(kSelected));
    const std::vector<uint32_t> original = Pixels(doc);

    doc.OnBuiltinEffect(GetParam().command);
    EXPECT_EQ(messages, std::vector<std::string>{});
    ASSERT_EQ(doc.UndoList().Size(), 1u);
    EXPECT_EQ(doc.GetLabel(), "Menu " + std::to_string(GetParam().command));
    const std::vector<uint32_t> done = Pixels(doc);
    int changed = 0;
    for (int32_t y = 0; y < kH; ++y)
        for (int32_t x = 0; x < kW; ++x) {
            const size_t i = size_t(y * kW + x);
            const bool inside = x >= kSelected.left && x < kSelected.right && y >= kSelected.top &&
                                y < kSelected.bottom;
            if (!inside) {
                ASSERT_EQ(done[i], original[i]) << "outside the selection at " << x << "," << y;
            }
            changed += done[i] != original[i];
        }
    EXPECT_GT(changed, 0);
    // Each of these effects asks for its settings first.
    const size_t asked = dialogs.size();
    EXPECT_GT(asked, 0u);

    doc.OnEditUndo();
    EXPECT_EQ(Pixels(doc), original);
    doc.OnEditRedo();
    EXPECT_EQ(Pixels(doc), done);
    EXPECT_EQ(dialogs.size(), asked) << "the settings were asked for again";
}

INSTANTIATE_TEST_SUITE_P(Modules, EffectOfEachModule,
                         ::testing::Values(EffectCase{"RubberPinch", 32822}, EffectCase{"ArtEmboss", 32809},
                                           EffectCase{"PhotoSolarize", 32816}, EffectCase{"Edges", 32868},
                                           EffectCase{"RubberPinchGrey", 32822, true},
                                           EffectCase{"PhotoSolarizeGrey", 32816, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// Brightness and contrast, and colour, answered as their dialogs start: no
// pixel changes, so no step is recorded and the document stays as it was.
TEST_F(Effects, AnAdjustmentLeftAsItsDialogStartsRecordsNothing)
{
    for (const EffectCase c : {EffectCase{"Brightness", 32790}, EffectCase{"BrightnessGrey", 32790, true},
                               EffectCase{"Colour", 32791}}) {
        SCOPED_TRACE(c.name);
        CLodo40Doc doc;
        NewFromExpression(doc, PpQnExpr(PpQnFlVal(c.grey ? GreyPattern(kW, kH) : Pattern(kW, kH))));
        doc.SetSelection(QnRgn(kSelected));
        const std::vector<uint32_t> original = Pixels(doc);
        const bool modified = doc.IsModified();
        dialogs.clear();
        messages.clear();
        doc.OnBuiltinEffect(c.command);
        EXPECT_EQ(dialogs.size(), 1u);
        EXPECT_EQ(messages, std::vector<std::string>{"Nothing to do!"});
        EXPECT_EQ(doc.UndoList().Size(), 0u);
        EXPECT_EQ(Pixels(doc), original);
        EXPECT_EQ(doc.IsModified(), modified);
    }
}

TEST_F(Effects, AModuleThatCannotBeFoundSaysSoAndChangesNothing)
{
    CLodo40Doc doc;
    NewFromExpression(doc, PpQnExpr(PpQnFlVal(Pattern(kW, kH))));
    const std::vector<uint32_t> original = Pixels(doc);
    const bool modified = doc.IsModified();
    // The program's folder without the modules.
    SetEffectModuleFolder(folder.string());
    doc.OnBuiltinEffect(32822);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Can't load DLL: rubber.8bf");
    EXPECT_EQ(doc.UndoList().Size(), 0u);
    EXPECT_EQ(Pixels(doc), original);
    EXPECT_EQ(doc.IsModified(), modified);
}

TEST_F(Effects, ACancelledDialogEndsQuietlyAndChangesNothing)
{
    CLodo40Doc doc;
    NewFromExpression(doc, PpQnExpr(PpQnFlVal(Pattern(kW, kH))));
    const std::vector<uint32_t> original = Pixels(doc);
    cancel = true;
    doc.OnBuiltinEffect(32822);
    EXPECT_FALSE(dialogs.empty());
    EXPECT_EQ(messages, std::vector<std::string>{});
    EXPECT_EQ(doc.UndoList().Size(), 0u);
    EXPECT_EQ(Pixels(doc), original);
}

TEST_F(Effects, RedEyeAsksForASelectionFirst)
{
    CLodo40Doc doc;
    NewFromExpression(doc, PpQnExpr(PpQnFlVal(Pattern(kW, kH))));
    answers = {fw::IDCANCEL, fw::IDOK};
    doc.OnBuiltinEffect(32794);
    doc.OnBuiltinEffect(32794);
    EXPECT_EQ(messages, (std::vector<std::string>(2, "You have to select something first.")));
    EXPECT_EQ(host.sent, std::vector<uint32_t>{32779});
    EXPECT_EQ(doc.UndoList().Size(), 0u);
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(Effects, CommandsAreEnabledForColourAndGreyPicturesOnly)
{
    struct Row {
        int type;
        bool enabled;
    };
    for (const Row row : {Row{WA_RGB24, true}, Row{WA_GRAY, true}, Row{WA_8BIT, false}, Row{WA_4BIT, false},
                          Row{WA_1BIT, false}}) {
        CLodo40Doc doc;
        NewFromExpression(doc, PpQnExpr(PpQnFlVal(PpQnPicture(8, 8, row.type, nullptr))));
        for (const uint32_t command : {32822u, 32809u, 32816u, 32868u, 32794u}) {
            fw::CmdUI ui(command);
            EXPECT_TRUE(doc.OnCmdMsg(command, fw::CmdCode::UpdateUI, &ui)) << command;
            EXPECT_EQ(ui.enabled(), row.enabled) << "type " << row.type << " command " << command;
        }
    }
}
