// The module inside the real editor: the editor's application object started
// with a settings file naming the built module, its task bar showing the
// stages of its shipped settings with their tools, and on an open picture
// every tool of the module pressed through the bar: command tools reach the
// editor's command (edits are one undo step; an adjustment left as its
// dialog starts is none), current tools take the bar
// with their panel, menu tools show the editor's menu, wizards run with
// their dialogs answered and the desktop replaced by recording services.
#include "tasks/module/tests/EditorFixture.h"

#include <chrono>
#include <map>

#include "editor/loadable/LdTool.h"
#include "editor/registry/LdRegistry.h"
#include "editor/ui/BarButtonPicture.h"
#include "framework/ControlId.h"
#include "framework/ProfileStore.h"
#include "platform/IniFile.h"
#include "tasks/module/tests/LabelFit.h"

using namespace editortest;

// Each stage of the shipped settings shows its tools as buttons of the tool
// bar: the module's caption, tool tip, picture and help id.
TEST_F(EditorWithModule, EachStageShowsItsToolsFromTheShippedSettings)
{
    const std::vector<std::string> stages = {"Start", "Easy", "Retouch", "Artwork", "Finish"};
    EXPECT_EQ(ButtonNames(TaskBar()), stages);
    EXPECT_TRUE(app->Registry().Problems().empty());
    OpenPicture();
    platform::IniFile shipped(TELVY12_INI);
    for (const std::string stage : {"Easy", "Retouch", "Artwork", "Finish", "Start"}) {
        SCOPED_TRACE(stage);
        Press(TaskBar(), stage);
        std::vector<std::string> listed;
        for (int32_t i = 0; i < shipped.GetInt(stage, "tools", 0); ++i)
            listed.push_back(shipped.GetString(stage, "tool" + std::to_string(i), ""));
        ASSERT_FALSE(listed.empty());
        ASSERT_EQ(ButtonNames(ToolBar()), listed);
        for (size_t i = 0; i < listed.size(); ++i) {
            SCOPED_TRACE(listed[i]);
            const CLdLoadable& entry = *ToolBar().Logic().Loadables()[i];
            ASSERT_NE(dynamic_cast<const CLdTool*>(&entry), nullptr);
            CBarButton* button = ToolBar().TaskButton(IDC_BAR_TASK_FIRST + uint32_t(i));
            ASSERT_NE(button, nullptr);
            EXPECT_FALSE(entry.GetTitle().empty());
            EXPECT_EQ(button->text().toStdString(), entry.GetTitle());
            EXPECT_EQ(button->toolTip().toStdString(), entry.GetToolTip().substr(0, 79));
            EXPECT_EQ(fw::HelpId(button), uint32_t(const_cast<CLdLoadable&>(entry).GetHelpId()));
            EXPECT_TRUE(button->isEnabled());
            // The module's picture, its teal pixels left out.
            const auto picture = fw::Clipboard::DibToImage(entry.LoadButtonBitmap());
            ASSERT_TRUE(picture.has_value());
            ASSERT_EQ(button->Picture().Size(), picture->size());
            int mismatches = 0;
            for (int y = 0; y < picture->height(); ++y)
                for (int x = 0; x < picture->width(); ++x)
                    mismatches += button->Picture().IsTransparent(x, y) !=
                                  ((picture->pixel(x, y) & 0xFFFFFF) == 0x008080);
            EXPECT_EQ(mismatches, 0);
        }
    }
}

namespace {

// What the editor does with each command the module's tools send.
enum class Outcome {
    Edit,        // one undo step that undo takes back to the same pixels
    Unchanged,   // no undo step and the same pixels: "Nothing to do!"
    NewPicture,  // one more picture window
    Shows,       // only what `shows` names
    Saved,       // the picture's file written again
    Mailed,      // the picture handed to the mail composer
};

struct EditorCommand {
    uint32_t id;
    Outcome outcome;
    // The start of a dialog, file dialog, print dialog or program start it
    // shows on the way, or "printed".
    const char* shows = "";
};

constexpr EditorCommand kEditorCommands[] = {
    {32781, Outcome::Edit},                          // crop to the selection
    {32782, Outcome::Edit, "dialog "},               // rotate and flip
    {32790, Outcome::Unchanged, "dialog "},          // brightness and contrast, as the dialog starts
    {32791, Outcome::Unchanged, "dialog "},          // colour, as the dialog starts
    {32792, Outcome::Edit, "dialog "},               // focus
    {32794, Outcome::Edit, "dialog "},               // red eye
    {32851, Outcome::Edit, "dialog "},               // resize
    {32866, Outcome::Edit, "dialog "},               // frames
    {32868, Outcome::Edit, "dialog "},               // edges
    {32869, Outcome::Unchanged, "dialog "},          // smart tune, "Auto" on a picture of the full range
    {57601, Outcome::Shows, "file dialog open"},     // open
    {32773, Outcome::Shows, "start "},               // the album
    {32861, Outcome::NewPicture},                    // paste as new image
    {33000, Outcome::NewPicture, "dialog Scan"},     // acquire
    {33002, Outcome::NewPicture, "printed"},         // acquire, then print
    {57600, Outcome::NewPicture, "dialog "},         // new
    {57603, Outcome::Saved},                         // save
    {57607, Outcome::Shows, "print dialog"},         // print
    {57612, Outcome::Mailed},                        // send
};

// The tools that show an option panel when they are current, and the view
// mode of those that work on the picture with the mouse.
const std::vector<std::string> kPanelTools = {"HandDr", "Scatter", "Facet", "Mosaic", "Emboss",
                                              "Paint",  "Text",    "Select", "Clone", "Fill"};
const std::map<std::string, int> kViewModes = {{"Text", 1}, {"Paint", 2}, {"Clone", 3}, {"Select", 4}, {"Fill", 5}};

std::vector<uint32_t> Pixels(const CLodo40Doc& doc)
{
    std::vector<uint32_t> pixels;
    const QnPoint size = doc.GetPictureSize();
    pixels.push_back(uint32_t(size.x));
    pixels.push_back(uint32_t(size.y));
    for (int32_t y = 0; y < size.y; ++y)
        for (int32_t x = 0; x < size.x; ++x)
            pixels.push_back(doc.GetPixelColor({x, y}));
    return pixels;
}

bool Has(const std::vector<std::string>& lines, const std::string& start)
{
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) { return line.rfind(start, 0) == 0; });
}

}  // namespace

// Every tool of the module, ten at a time on the Artwork stage, pressed on
// an open picture with a selection; Rotate flips, Resize halves, the other
// dialogs are taken as they open, the calendar ends with Exit.
TEST_F(EditorWithModule, EveryToolOfTheModuleDoesItsWorkFromTheBar)
{
    CLodo40Doc* doc = OpenPicture();
    ASSERT_NE(doc, nullptr);
    const std::string file = doc->GetPathName();
    const std::vector<uint32_t> original = Pixels(*doc);
    ASSERT_TRUE(fw::Clipboard::SetDib(PatternDib(8, 6)));
    std::vector<std::string> tools;
    for (const std::string& name : app->Registry().ShortNames())
        if (app->Registry().IsToolName(name))
            tools.push_back(name);
    ASSERT_EQ(tools.size(), 61u);

    std::map<std::string, std::string> wizards;  // what each wizard reached
    for (size_t first = 0; first < tools.size(); first += 10) {
        const std::vector<std::string> chunk(tools.begin() + long(first),
                                             tools.begin() + long(std::min(first + 10, tools.size())));
        fw::ProfileStore& profile = app->GetProfile();
        profile.WriteInt("Artwork", "tools", int32_t(chunk.size()));
        for (size_t i = 0; i < chunk.size(); ++i)
            profile.WriteString("Artwork", "tool" + std::to_string(i), chunk[i]);
        for (const std::string& name : chunk) {
            SCOPED_TRACE(name);
            Press(TaskBar(), "Artwork");
            ASSERT_EQ(ButtonNames(ToolBar()), chunk);
            ASSERT_EQ(app->ActiveLodoDocument(), doc);
            doc->SetSelection(QnRgn(QnRect{4, 3, 28, 21}));
            // Changed since it was saved, so that Save writes it.
            doc->SetModifiedFlag(true);
            seen.clear();
            editor.calls.clear();
            desktop.sets.clear();
            launcher.calls.clear();
            fs::remove(mail.argsFile);
            const auto written = fs::file_time_type::clock::now() - std::chrono::hours(1);
            fs::last_write_time(file, written);
            const size_t windows = Documents().size();

            Press(ToolBar(), name);
            CLdMailState::Get().WaitForSends();
            Settle();
            const bool mailed = !mail.Args().empty();
            if (fs::exists(Printed())) {
                seen.push_back("printed");
                fs::remove(Printed());
            }

            const CLdLoadable* current = ToolBar().Logic().Current();
            const std::unique_ptr<CLdLoadable> probe = app->CreateLoadable(name);
            if (current && current->GetName() == name) {
                // It took the bar.
                EXPECT_TRUE(editor.calls.empty());
                const bool panel =
                    std::find(kPanelTools.begin(), kPanelTools.end(), name) != kPanelTools.end();
                EXPECT_EQ(ToolBar().OptionsPanel() != nullptr, panel);
                if (QWidget* shown = ToolBar().OptionsPanel()) {
                    // Whole inside the bar, every label with its whole text.
                    EXPECT_TRUE(ToolBar().rect().contains(shown->geometry()));
                    EXPECT_EQ(ClippedLabels(*shown), std::vector<std::string>{});
                }
                const auto mode = kViewModes.find(name);
                EXPECT_EQ(app->GetMode(), mode == kViewModes.end() ? 0 : mode->second);
            } else if (!editor.calls.empty() && editor.calls[0].rfind("command ", 0) == 0) {
                ASSERT_EQ(editor.calls.size(), 1u);
                const uint32_t id = uint32_t(std::stoul(editor.calls[0].substr(8)));
                const auto command = std::find_if(std::begin(kEditorCommands), std::end(kEditorCommands),
                                                  [&](const EditorCommand& c) { return c.id == id; });
                ASSERT_NE(command, std::end(kEditorCommands)) << id;
                if (*command->shows) {
                    EXPECT_TRUE(Has(seen, command->shows)) << command->shows;
                }
                switch (command->outcome) {
                case Outcome::Edit:
                    ASSERT_FALSE(doc->UndoListEmpty());
                    if (id == CLodo40Doc::ID_PICTURE_CROP) {
                        // The picture itself is cut down to the selection.
                        EXPECT_EQ(doc->GetPictureSize().x, 24);
                        EXPECT_EQ(doc->GetPictureSize().y, 18);
                    }
                    doc->OnEditUndo();
                    EXPECT_TRUE(doc->UndoListEmpty());
                    EXPECT_EQ(Pixels(*doc), original);
                    break;
                case Outcome::Unchanged:
                    EXPECT_TRUE(doc->UndoListEmpty());
                    EXPECT_EQ(Pixels(*doc), original);
                    EXPECT_TRUE(Has(seen, "message Nothing to do!"));
                    break;
                case Outcome::NewPicture: EXPECT_EQ(Documents().size(), windows + 1); break;
                case Outcome::Shows: break;
                case Outcome::Saved: EXPECT_GT(fs::last_write_time(file), written); break;
                case Outcome::Mailed: EXPECT_TRUE(mailed); break;
                }
                if (command->outcome != Outcome::NewPicture) {
                    EXPECT_EQ(Documents().size(), windows);
                }
            } else if (!editor.calls.empty()) {
                // A popup of the editor's Effects menu; nothing chosen, nothing sent.
                EXPECT_EQ(editor.calls.size(), 1u);
                EXPECT_TRUE(Has(editor.calls, "popup "));
                EXPECT_TRUE(Has(seen, "menu of "));
                EXPECT_EQ(Pixels(*doc), original);
            } else if (probe->WantsPicture()) {
                // A wizard on the picture: its dialog, then what it reached.
                EXPECT_TRUE(Has(seen, "dialog "));
                wizards[name] = !desktop.sets.empty()     ? "wallpaper"
                                : !launcher.calls.empty() ? "saver " + fs::path(launcher.calls[0].program).filename().string()
                                : mailed                  ? "mail"
                                                          : "nothing";
            } else {
                ADD_FAILURE() << "did nothing the bar or the editor shows";
            }
            // Only the tools whose panel is not made say so, and the
            // adjustments that change nothing.
            for (const std::string& line : seen) {
                if (line.rfind("message ", 0) == 0 && line != "message Nothing to do!") {
                    EXPECT_TRUE(line == "message Dialog isn't implemented" && current && current->GetName() == name &&
                                !ToolBar().OptionsPanel())
                        << line;
                }
            }
            for (fw::Document* other : Documents())
                if (other != doc)
                    other->OnCloseDocument();
            Settle();
        }
    }
    EXPECT_EQ(wizards, (std::map<std::string, std::string>{{"Calendar", "nothing"},
                                                           {"Fax", "mail"},
                                                           {"ScreenSave", "saver whirl"},
                                                           {"Wallpaper", "wallpaper"}}));
}
