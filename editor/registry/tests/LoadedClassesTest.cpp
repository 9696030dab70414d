// Objects made by name from the loaded classes, driven as the bars drive
// them, with their strings and bitmaps read from their library.
#include "editor/registry/tests/RegistryFixture.h"

#include <QLabel>
#include <QPoint>
#include <QWidget>

#include "editor/loadable/LdModule.h"
#include "editor/loadable/LdTask.h"
#include "editor/loadable/LdTool.h"

namespace {

const char* const kBothLibraries = "[Tasks]\nlibs=1\nlib0=LdTestTasks.so\n[Tools]\nlibs=1\nlib0=LdTestTasks.so\n";

}  // namespace

using LoadedClasses = RegistryFixture;

TEST_F(LoadedClasses, MadeByNameWithTheirLibraryAsResourceModule)
{
    CLdRegistry& registry = Load(kBothLibraries);
    EXPECT_EQ(registry.CreateLoadable(""), nullptr);
    EXPECT_EQ(registry.CreateLoadable("Nothing"), nullptr);
    EXPECT_EQ(registry.CreateLoadable("start"), nullptr);  // names are matched exactly

    const struct {
        const char* name;
        const char* className;
        const char* title;
        const char* tip;
    } cases[] = {
        {"Start", "CTestTask_Start", "Start", "Start the work"},
        {"Guided", "CTestTask_Guided", "Guided", "One step after another"},
        {"Brush", "CTestTool_Brush", "Brush", "Paint with the brush"},
        {"Send", "CTestTool_Send", "Send", "Send the picture"},
        {"Wizard", "CTestTool_Wizard", "Wizard", "Walks through a picture"},
    };
    for (const auto& c : cases) {
        std::unique_ptr<CLdLoadable> object = registry.CreateLoadable(c.name);
        ASSERT_NE(object, nullptr) << c.name;
        EXPECT_STREQ(object->GetRuntimeClass()->className, c.className);
        ASSERT_NE(object->GetModule(), nullptr);
        EXPECT_EQ(object->GetModule()->Path(), Beside("LdTestTasks.so"));
        EXPECT_EQ(object->GetName(), c.name);
        EXPECT_EQ(object->GetTitle(), c.title);
        EXPECT_EQ(object->GetToolTip(), c.tip);
    }
}

TEST_F(LoadedClasses, StringsAreCutAndBitmapsComeFromTheLibrary)
{
    CLdRegistry& registry = Load(kBothLibraries);
    auto wizard = registry.CreateLoadable("Wizard");
    const std::string comment = wizard->GetComment();
    EXPECT_EQ(comment.size(), 127u);
    EXPECT_EQ(comment.substr(0, 26), "This comment runs on well ");
    EXPECT_TRUE(wizard->LoadButtonBitmap().empty());  // its bitmap id is not in the library

    const std::vector<uint8_t> bitmap = registry.CreateLoadable("Start")->LoadButtonBitmap();
    ASSERT_EQ(bitmap.size(), 44u);
    EXPECT_EQ(bitmap[0], 40);  // the packed DIB's header size
}

TEST_F(LoadedClasses, AnswerTheBarsQuestions)
{
    CLdRegistry& registry = Load(kBothLibraries);
    const struct {
        const char* name;
        int execute, sequence, anyPicture, helpId, wantsPicture, needsDocument;
    } cases[] = {
        {"Start", 1, 0, 1, 101, 0, 0},
        {"Guided", 1, 1, 0, 102, 0, 1},
        {"Brush", 1, 0, 0, 103, 0, 1},
        {"Send", 0, 0, 1, 104, 0, 1},
        {"Wizard", 1, 0, 0, 105, 1, 0},
    };
    for (const auto& c : cases) {
        auto object = registry.CreateLoadable(c.name);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(object->Execute(), c.execute);
        EXPECT_EQ(object->IsSequence(), c.sequence);
        EXPECT_EQ(object->IsGuided(), c.sequence);
        EXPECT_EQ(object->AcceptsAnyPicture(), c.anyPicture);
        EXPECT_EQ(object->GetHelpId(), c.helpId);
        EXPECT_EQ(object->WantsPicture(), c.wantsPicture);
        EXPECT_EQ(object->NeedsDocument(), c.needsDocument);
        // A tool's class derives from the shared CLdTool, a task's from CLdTask.
        EXPECT_EQ(dynamic_cast<CLdTool*>(object.get()) != nullptr, registry.IsToolName(c.name));
        EXPECT_EQ(dynamic_cast<CLdTask*>(object.get()) != nullptr, !registry.IsToolName(c.name));
    }
}

TEST_F(LoadedClasses, PictureWizardRunsOnThePictureItWasGiven)
{
    CLdRegistry& registry = Load(kBothLibraries);
    uint8_t dib[44] = {40};
    auto withPicture = registry.CreateLoadable("Wizard");
    withPicture->SetPicture(dib, sizeof dib);
    EXPECT_EQ(withPicture->Execute(), 0);

    auto without = registry.CreateLoadable("Wizard");
    without->SetPicture(nullptr, 0);
    EXPECT_EQ(without->Execute(), 1);
}

TEST_F(LoadedClasses, ToolTakesTheBarWithItsPanelAndComment)
{
    CLdRegistry& registry = Load(kBothLibraries);
    QWidget bar;
    bar.resize(400, 300);
    QPoint at(5, 70);

    auto* brush = dynamic_cast<CLdTool*>(registry.CreateLoadable("Brush").release());
    ASSERT_NE(brush, nullptr);
    std::unique_ptr<CLdTool> owned(brush);
    // The editor hands the parameters over before asking for the panel.
    EXPECT_EQ(brush->CreateOptionsPanel(&bar, &at, 0, 0), nullptr);
    fw::Object params;
    brush->SetParams(&params);
    std::unique_ptr<QWidget> panel(brush->CreateOptionsPanel(&bar, &at, 0, 0));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->parentWidget(), &bar);
    EXPECT_EQ(panel->pos(), at);
    EXPECT_FALSE(panel->isHidden());
    EXPECT_EQ(panel->objectName(), "CObject");  // bound to the editor's own object

    auto send = registry.CreateLoadable("Send");
    EXPECT_EQ(static_cast<CLdTool*>(send.get())->CreateOptionsPanel(&bar, &at, 1, 0), nullptr);

    QLabel comments;
    brush->ShowComment(&comments);
    EXPECT_EQ(comments.text(), "Brush comment");
    registry.CreateLoadable("Guided")->ShowComment(&comments);
    EXPECT_EQ(comments.text(), "Steps through its tools");
}

TEST_F(LoadedClasses, TaskListsTheToolsItsSettingsSectionNames)
{
    // The settings are read when an object is made, so a change shows in
    // the next one.
    CLdRegistry& registry = Load(std::string(kBothLibraries) + "[Start]\ntools=3\ntool0=Brush\ntool2=Send\n");
    using Names = std::vector<std::string>;
    EXPECT_EQ(registry.CreateLoadable("Start")->GetToolNames(), (Names{"Brush", "", "Send"}));
    EXPECT_TRUE(registry.CreateLoadable("Guided")->GetToolNames().empty());

    app_->WriteProfileInt("Start", "tools", 1);
    EXPECT_EQ(registry.CreateLoadable("Start")->GetToolNames(), (Names{"Brush"}));
}
