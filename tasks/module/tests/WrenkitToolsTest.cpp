// The command, Effects-menu and current tools as the editor sees them: made
// by short name from the real module, with their records, strings, button
// pictures and answers, and what each does when started, with the editor
// replaced by a recording one.
#include "editor/registry/tests/RegistryFixture.h"
#include "tasks/module/tests/WizardFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

#include "base/QnLittleEndian.h"
#include "editor/loadable/LdExports.h"
#include "editor/loadable/LdModule.h"
#include "editor/loadable/LdTool.h"
#include "framework/Clipboard.h"
#include "framework/CmdUI.h"
#include "framework/FrameWnd.h"
#include "platform/Module.h"

namespace {

const char kWrenkitTools[] = "[Tools]\nlibs=1\nlib0=../bin/Wrenkit.so\n";

enum Kind { Command, Menu, Current };

struct ToolRow {
    uint32_t index;
    const char* className;
    const char* name;
    int32_t titleId, tipId, commentId;
    const char* caption;
    const char* tip;  // null: as the caption
    const char* comment;  // null: as the caption
    int32_t bitmapId;
    int helpId;
    Kind kind;
    uint32_t command;  // Command: the command sent; Menu: the popup shown
    int acceptsAny;
    int needsDocument;
};

const char* kArtwork = "&Artwork";

const ToolRow kTools[] = {
    {5, "CTool_GrPen", "GrPen", 53, 54, 55, "Graphic pen", nullptr, nullptr, 147, 20, Current, 0, 0, 1},
    {7, "CTool_Effects", "Effects", 62, 63, 64, "Effects", "Apply artistic effects to the image", "Effects", 140, 22,
     Menu, 0, 0, 1},
    {9, "CTool_3dMosaic", "3dMosaic", 68, 69, 70, "3D mosaic", nullptr, nullptr, 142, 24, Current, 0, 0, 1},
    {10, "CTool_AutoBr", "AutoBr", 71, 72, 73, "Auto brush", nullptr, nullptr, 143, 25, Current, 0, 0, 1},
    {11, "CTool_Engrave", "Engrave", 74, 75, 76, "Engrave", nullptr, nullptr, 145, 26, Current, 0, 0, 1},
    {12, "CTool_NotePaper", "NotePaper", 77, 78, 79, "Note paper", nullptr, nullptr, 150, 27, Current, 0, 0, 1},
    {13, "CTool_OilPaint", "OilPaint", 80, 81, 82, "Oil paint", nullptr, nullptr, 151, 28, Current, 0, 0, 1},
    {14, "CTool_Patches", "Patches", 83, 84, 85, "Patches", nullptr, nullptr, 153, 29, Current, 0, 0, 1},
    {15, "CTool_Relief", "Relief", 86, 87, 88, "Relief", nullptr, nullptr, 154, 30, Current, 0, 0, 1},
    {16, "CTool_Strokes", "Strokes", 89, 90, 91, "Strokes", nullptr, nullptr, 157, 31, Current, 0, 0, 1},
    {17, "CTool_Rubber", "Rubber", 97, 98, 99, "Rubber", nullptr, nullptr, 163, 32, Current, 0, 0, 1},
    {18, "CTool_PageCurl", "PageCurl", 100, 101, 102, "Page curl", nullptr, nullptr, 159, 33, Current, 0, 0, 1},
    {19, "CTool_Pinch", "Pinch", 103, 104, 105, "Pinch", nullptr, nullptr, 161, 34, Current, 0, 0, 1},
    {20, "CTool_Punch", "Punch", 106, 107, 108, "Punch", nullptr, nullptr, 162, 35, Current, 0, 0, 1},
    {21, "CTool_Perspective", "Perspective", 109, 110, 111, "Perspective", nullptr, nullptr, 160, 36, Current, 0, 0,
     1},
    {22, "CTool_Warp", "Warp", 112, 113, 114, "Warp", nullptr, nullptr, 164, 37, Current, 0, 0, 1},
    {23, "CTool_Whirl", "Wirl", 115, 116, 117, "Wirl", nullptr, nullptr, 166, 38, Current, 0, 0, 1},
    {24, "CTool_Wave", "Wave", 118, 119, 120, "Wave", nullptr, nullptr, 165, 39, Current, 0, 0, 1},
    {25, "CTool_Deform", "Deform", 121, 122, 123, "Deform", "Apply deformations to the image", "Deform", 158, 40, Menu,
     1, 0, 1},
    {27, "CTool_Stitch", "Stitch", 127, 128, 129, "Stitch", nullptr, nullptr, 171, 42, Current, 0, 0, 1},
    {28, "CTool_Crop", "Crop", 130, 131, 132, "Crop", "Crop the image to the selected area", "Crop", 167, 43,
     Command, 32781, 0, 1},
    {29, "CTool_Rotate", "Rotate", 133, 134, 135, "Rotate", "Flip and rotate the picture", "Rotate", 169, 44, Command,
     32782, 0, 1},
    {30, "CTool_FreeResize", "FreeResize", 136, 137, 138, "Free size", nullptr, nullptr, 168, 45, Current, 0, 0, 1},
    {31, "CTool_Bright", "Bright", 139, 140, 141, "Bright", "Adjust image brightness and contrast", "Brightness", 172,
     46, Command, 32790, 0, 1},
    {32, "CTool_Color", "Color", 142, 143, 144, "Color", "Adjust image colors", "Color", 174, 47, Command, 32791, 0, 1},
    {33, "CTool_Focus", "Focus", 145, 146, 147, "Focus", "Smooth or sharp the picture", "Focus", 175, 48, Command,
     32792, 0, 1},
    {34, "CTool_CleanBk", "CleanBk", 148, 149, 150, "Clean background", nullptr, nullptr, 173, 49, Current, 0, 0, 1},
    {35, "CTool_RemoveRE", "RemoveRE", 151, 152, 153, "Red eye", "Remove the \"Red Eyes\" effect", "Red eye", 176, 50,
     Command, 32794, 0, 1},
    {36, "CTool_Resize", "Resize", 154, 155, 156, "Resize", "Adjust image size and resolution", "Resize", 177, 51,
     Command, 32851, 1, 1},
    {37, "CTool_WinWallPap", "WinWallPap", 157, 158, 159, "Windows wallpaper", nullptr, nullptr, 178, 52, Current, 0, 1,
     1},
    {38, "CTool_Open", "Open", 160, 161, 162, "Open", "Open the image from the disk", "Open", 180, 53, Command, 57601, 1,
     0},
    {39, "CTool_OpenFA", "OpenFA", 163, 164, 165, "Album", "Open the image from the Album", "Album", 181, 54, Command,
     32773, 1, 0},
    {40, "CTool_Paste", "Paste", 166, 167, 168, "Paste", "Pastes data from the clipboard as a new picture", "Paste",
     182, 55, Command, 32861, 1, 0},
    {41, "CTool_Scan", "Scan", 169, 170, 171, "Scan", "Scan a picture", "Scan", 185, 56, Command, 33000, 1, 0},
    {42, "CTool_New", "New", 172, 173, 174, "New", "Create a new picture", "New", 179, 57, Command, 57600, 1, 0},
    {43, "CTool_Save", "Save", 175, 176, 177, "Save", "Save the picture on the disk", "Save", 184, 58, Command, 57603, 1,
     1},
    {44, "CTool_Print", "Print", 178, 179, 180, "Print", "Print the picture", "Print", 183, 59, Command, 57607, 1, 1},
    {45, "CTool_Send", "Send", 181, 182, 183, "Send", "Send the picture through the electronic mail", "Send", 186, 60,
     Command, 57612, 1, 1},
    {46, "CTool_Canvas", "Canvas", 184, 185, 186, "Canvas", nullptr, nullptr, 187, 61, Current, 0, 0, 1},
    {47, "CTool_Cracks", "Cracks", 187, 188, 189, "Cracks", nullptr, nullptr, 188, 62, Current, 0, 0, 1},
    {48, "CTool_Pading", "Padding", 193, 194, 195, "Padding", nullptr, nullptr, 190, 63, Current, 0, 0, 1},
    {49, "CTool_Textures", "Textures", 196, 197, 198, "Textures", "Apply textures to the image", "Textures", 191, 64,
     Menu, 4, 0, 1},
    {50, "CTool_Edge", "Edge", 261, 262, 263, "Edge", "Apply edge effects to the image", "Edge", 199, 201, Command,
     32868, 0, 1},
    {51, "CTool_SmartTune", "SmartTune", 190, 191, 192, "Smart tune", "Adjust image levels automatically",
     "Smart tune", 204, 202, Command, 32869, 0, 1},
    {59, "CTool_FunHouse", "FunHouse", 16, 17, 18, "FunHouse", "Apply fun deformations to the image", "Fun house", 135,
     70, Menu, 1, 0, 1},
};

// The strings and pictures the module carries for the tools built beside
// these (panels and wizards): caption, tool tip, comment, bitmap.
struct OtherRow {
    int32_t titleId;
    const char* caption;
    const char* tip;
    const char* comment;
    int32_t bitmapId;
};
const OtherRow kOthers[] = {
    {38, "Hand drawing", "Hand drawing", "Hand drawing", 148},
    {41, "Scatter", "Scatter", "Scatter", 155},
    {44, "Facetted glass", "Facetted glass", "Facetted glass", 146},
    {47, "Mosaic", "Mosaic", "Mosaic", 149},
    {50, "Emboss", "Emboss", "Emboss", 144},
    {59, "Paint", "Apply paint effects to the image", "Paint", 152},
    {65, "Text", "Apply text to the image", "Text", 141},
    {56, "Select", "Select a part of a picture", "Select", 156},
    {258, "Clone", "Apply image cloning tool", "Clone", 198},
    {267, "Fill", "Fill region", "Fill", 205},
    {7, "Calendar", "Create a calendar using the active picture", "Calendar", 132},
    {10, "Copier", "Scan a picture and print it", "Copier", 133},
    {13, "Fax", "Scan a picture and send it as a fax", "Fax", 134},
    {264, "Borders", "Select a variety of image borders", "Borders", 200},
};

void ExpectButtonPicture(const std::vector<uint8_t>& bitmap)
{
    ASSERT_EQ(bitmap.size(), 40u + 32 * 32 * 3);
    EXPECT_EQ(QnGetLE32(bitmap.data() + 4), 32u);
    EXPECT_EQ(QnGetLE32(bitmap.data() + 8), 32u);
    EXPECT_EQ(QnGetLE16(bitmap.data() + 14), 24u);
}

class WrenkitTools : public RegistryFixture {
protected:
    void SetUp() override
    {
        RegistryFixture::SetUp();
        CLdWizardServices::SetEditor(&editor);
        previousBoxes_ = fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& request) {
            messages.push_back(request.text);
            return fw::IDOK;
        });
        previousPopups_ = fw::SetPopupMenuHook([this](QMenu& menu, const QPoint&) -> QAction* {
            return choice ? fw::FindMenuCommand(menu, choice) : nullptr;
        });
        registry = &Load(kWrenkitTools);
    }
    void TearDown() override
    {
        fw::SetPopupMenuHook(previousPopups_);
        fw::SetMessageBoxHook(previousBoxes_);
        fw::SetDialogHook({});
        CLdWizardServices::SetEditor(nullptr);
        RegistryFixture::TearDown();
    }

    std::unique_ptr<CLdLoadable> Make(const char* name)
    {
        std::unique_ptr<CLdLoadable> tool = registry->CreateLoadable(name);
        EXPECT_NE(tool, nullptr) << name;
        return tool;
    }
    // Starts the tool as the bar does; what reached the editor.
    std::vector<std::string> Run(const char* name, int answer = 0)
    {
        editor.calls.clear();
        messages.clear();
        std::unique_ptr<CLdLoadable> tool = Make(name);
        if (tool) {
            EXPECT_EQ(tool->Execute(), answer) << name;
        }
        return editor.calls;
    }

    CLdRegistry* registry = nullptr;
    RecordingEditor editor;
    std::vector<std::string> messages;
    uint32_t choice = 0;  // the command chosen in a popup, 0: none

private:
    fw::MessageBoxHook previousBoxes_;
    fw::PopupMenuHook previousPopups_;
};

using Calls = std::vector<std::string>;

}  // namespace

TEST_F(WrenkitTools, EachSitsAtItsIndexWithItsNameStringsPictureAndAnswers)
{
    platform::Module wrenkit;
    ASSERT_TRUE(wrenkit.Load(WRENKIT_PATH)) << wrenkit.Error();
    auto* init = wrenkit.Entry<LdInitProc>(kLdToolInit);
    ASSERT_NE(init, nullptr);
    QLabel comments;
    for (const ToolRow& row : kTools) {
        SCOPED_TRACE(row.className);
        const fw::RuntimeClass* record = init(row.index);
        ASSERT_NE(record, nullptr);
        EXPECT_STREQ(record->className, row.className);
        EXPECT_STREQ(record->GetBaseClass()->className, "CLdTool");
        // No members beyond the tool base.
        EXPECT_EQ(record->objectSize, FW_RUNTIME_CLASS(CLdTool)->objectSize);

        const CLoadableRTI* filed = registry->Find(row.name);
        ASSERT_NE(filed, nullptr);
        EXPECT_STREQ(filed->classRecord.className, row.className);
        std::unique_ptr<CLdLoadable> tool = Make(row.name);
        ASSERT_NE(dynamic_cast<CLdTool*>(tool.get()), nullptr);
        EXPECT_EQ(tool->GetName(), row.name);
        EXPECT_EQ(tool->GetTitleId(), row.titleId);
        EXPECT_EQ(tool->GetToolTipId(), row.tipId);
        EXPECT_EQ(tool->GetCommentId(), row.commentId);
        EXPECT_EQ(tool->GetBitmapId(), row.bitmapId);
        EXPECT_EQ(tool->GetHelpId(), row.helpId);
        EXPECT_EQ(tool->GetTitle(), row.caption);
        EXPECT_EQ(tool->GetToolTip(), row.tip ? row.tip : row.caption);
        EXPECT_EQ(tool->GetComment(), row.comment ? row.comment : row.caption);
        tool->ShowComment(&comments);
        EXPECT_EQ(comments.text().toStdString(), tool->GetComment());
        ExpectButtonPicture(tool->LoadButtonBitmap());

        EXPECT_EQ(tool->AcceptsAnyPicture(), row.acceptsAny);
        EXPECT_EQ(tool->NeedsDocument(), row.needsDocument);
        EXPECT_EQ(tool->WantsPicture(), 0);
        EXPECT_EQ(tool->IsGuided(), 0);
        if (row.kind == Current) {
            EXPECT_EQ(tool->Execute(), 1);
        }
    }
}

TEST_F(WrenkitTools, TheModuleCarriesTheStringsAndPicturesOfEveryOtherTool)
{
    std::unique_ptr<CLdLoadable> any = Make("Crop");
    ASSERT_NE(any, nullptr);
    for (const OtherRow& row : kOthers) {
        SCOPED_TRACE(row.caption);
        EXPECT_EQ(any->LoadResString(row.titleId), row.caption);
        EXPECT_EQ(any->LoadResString(row.titleId + 1), row.tip);
        EXPECT_EQ(any->LoadResString(row.titleId + 2), row.comment);
        ExpectButtonPicture(any->GetModule()->FindBitmap(row.bitmapId));
    }
    EXPECT_EQ(any->LoadResString(255), "Clipboard is empty");
}

TEST_F(WrenkitTools, CommandToolsSendTheirCommandAndLeaveTheBar)
{
    ASSERT_TRUE(fw::Clipboard::SetDib(PatternDib(4, 3)));
    for (const ToolRow& row : kTools) {
        if (row.kind != Command)
            continue;
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Run(row.name), Calls{"command " + std::to_string(row.command)});
        EXPECT_TRUE(messages.empty());
    }
}

TEST_F(WrenkitTools, PasteWithoutAPictureOnTheClipboardSaysSoAndSendsNothing)
{
    QGuiApplication::clipboard()->setText("words, no picture");
    EXPECT_EQ(Run("Paste"), Calls{});
    EXPECT_EQ(messages, Calls{"Clipboard is empty"});
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(Run("Paste"), Calls{});
    EXPECT_EQ(messages, Calls{"Clipboard is empty"});

    ASSERT_TRUE(fw::Clipboard::SetDib(PatternDib(2, 2)));
    EXPECT_EQ(Run("Paste"), Calls{"command 32861"});
    EXPECT_TRUE(messages.empty());
}

TEST_F(WrenkitTools, MenuToolsShowTheirPopupOfTheEditorsEffectsMenu)
{
    editor.activePicture = true;  // the fun house's popup needs a picture window
    const struct {
        const char* name;
        const char* popup;
        uint32_t item;  // one of that popup's commands
    } cases[] = {
        {"Effects", kArtwork, 32812},
        {"Deform", "&Deformations", 32826},
        {"Textures", "&Textures", 32840},
        {"FunHouse", "&Deformations", 32821},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        choice = c.item;
        EXPECT_EQ(Run(c.name), (Calls{std::string("popup ") + c.popup, "command " + std::to_string(c.item)}));
        // Nothing chosen: nothing sent, the same answer.
        choice = 0;
        EXPECT_EQ(Run(c.name), Calls{std::string("popup ") + c.popup});
        // A command of another popup is not in this one.
        choice = 32868;
        EXPECT_EQ(Run(c.name), Calls{std::string("popup ") + c.popup});
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(WrenkitTools, FunHouseWithoutAPictureWindowOffersTheSources)
{
    editor.activePicture = false;
    choice = 32821;
    const struct {
        uint32_t button;
        Calls calls;
    } cases[] = {
        {1055, {"command 57601"}},
        {1056, {"command 32773"}},
        {1057, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        std::string shown;
        fw::SetDialogHook([&](fw::Dialog& dialog) {
            shown = dialog.windowTitle().toStdString();
            dialog.PressButton(c.button);
        });
        EXPECT_EQ(Run("FunHouse"), c.calls);
        EXPECT_EQ(shown, "Select source");
    }
}

TEST_F(WrenkitTools, RubberAndPageCurlSayTheirPanelIsNotBuilt)
{
    for (const char* name : {"Rubber", "PageCurl", "Wirl"}) {
        SCOPED_TRACE(name);
        messages.clear();
        std::unique_ptr<CLdLoadable> tool = Make(name);
        ASSERT_NE(tool, nullptr);
        QWidget bar;
        QPoint at(3, 4);
        EXPECT_EQ(static_cast<CLdTool&>(*tool).CreateOptionsPanel(&bar, &at, 0, 0), nullptr);
        EXPECT_EQ(messages, name == std::string("Wirl") ? Calls{} : Calls{"Dialog isn't implemented"});
    }
}

namespace {

// The editor's main window as far as the tools see it: it handles every
// command of its menus and keeps those that reach it.
class CommandFrame : public fw::FrameWnd {
public:
    bool OnCmdMsg(uint32_t id, fw::CmdCode code, fw::CmdUI* ui) override
    {
        if (code == fw::CmdCode::Command)
            commands.push_back(id);
        else if (code == fw::CmdCode::UpdateUI && ui)
            ui->Enable(id != kDisabled);
        return true;
    }
    static constexpr uint32_t kDisabled = 32811;
    std::vector<uint32_t> commands;
};

}  // namespace

// With the application's own editor host: the popup's items are the main
// window's, so a choice runs through its command routing and an item it
// disables cannot be chosen; a plain main window has no picture window.
TEST_F(WrenkitTools, ThroughTheApplicationsMainWindowAChoiceIsItsCommand)
{
    CLdWizardServices::SetEditor(nullptr);
    CommandFrame frame;
    app_->SetMainWnd(&frame);
    for (uint32_t item : {32812u, CommandFrame::kDisabled, 0u}) {
        choice = item;
        std::unique_ptr<CLdLoadable> tool = Make("Effects");
        ASSERT_NE(tool, nullptr);
        EXPECT_EQ(tool->Execute(), 0);
    }
    EXPECT_EQ(frame.commands, std::vector<uint32_t>{32812});

    std::string shown;
    fw::SetDialogHook([&](fw::Dialog& dialog) {
        shown = dialog.windowTitle().toStdString();
        dialog.PressButton(1056);
    });
    EXPECT_EQ(Make("FunHouse")->Execute(), 0);
    EXPECT_EQ(shown, "Select source");
    EXPECT_EQ(frame.commands, (std::vector<uint32_t>{32812, 32773}));
    app_->SetMainWnd(nullptr);
}
