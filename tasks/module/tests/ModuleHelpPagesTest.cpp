// Every help topic the module names inside the editor has a page in the
// editor's help folder: the tasks' and tools' bar buttons, the option panels
// and their controls, and the module's dialogs with their controls.
#include "tasks/module/tests/EditorFixture.h"

#include "editor/registry/LdRegistry.h"
#include "framework/tests/EveryTopicHasAPage.h"
#include "tasks/module/LdFontDialog.h"

using namespace editortest;

TEST_F(EditorWithModule, EveryHelpTopicOfTheModuleHasAPage)
{
    std::set<uint32_t> topics;
    for (const std::string& name : app->Registry().ShortNames())
        topics.insert(uint32_t(app->CreateLoadable(name)->GetHelpId()));

    // The panels, as the bar shows them over a picture.
    OpenPicture();
    int panels = 0;
    for (const std::string& name : app->Registry().ShortNames()) {
        if (!app->Registry().IsToolName(name))
            continue;
        ToolBar().Logic().ShowTool(name, 0);
        Settle();
        if (const QWidget* panel = ToolBar().OptionsPanel()) {
            ++panels;
            const std::set<uint32_t> own = fw::HelpTopicsOf(*panel);
            topics.insert(own.begin(), own.end());
        }
    }
    EXPECT_EQ(panels, 10);

    // The wizards' dialogs, with a picture and (choosing its source) without;
    // the font dialog the calendar's texts open.
    for (const char* wizard : {"Wallpaper", "ScreenSave", "Calendar", "Fax"})
        frame->Manager().SwitchTask(wizard);
    app->CloseAllDocuments(true);
    Settle();
    frame->Manager().SwitchTask("Calendar");
    CLdFontDialog font;
    font.DoModal();
    for (uint32_t dialogTopic : {102u, 103u, 104u, 0x20000u + 201, 0x20000u + 205, 0x20000u + 220})
        EXPECT_TRUE(dialogTopics.count(dialogTopic)) << dialogTopic;
    topics.insert(dialogTopics.begin(), dialogTopics.end());

    EXPECT_TRUE(EveryTopicHasAPage(std::string(QN_PROGRAM_FOLDER) + "Telvy12.HLP", topics));
}
