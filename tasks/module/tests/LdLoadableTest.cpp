// The task and tool base classes as a module derives from them: records,
// defaults, the tool list from the editor's settings, strings read through
// the resource module.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPoint>
#include <memory>

#include "editor/loadable/LdModule.h"
#include "editor/loadable/LdTask.h"
#include "editor/loadable/LdTool.h"
#include "framework/App.h"
#include "platform/OwnResources.h"

using Names = std::vector<std::string>;

namespace {

// What a module's own task looks like.
class CTestTask : public CLdTask {
public:
    CTestTask() : CLdTask("Retouch", 1, 2, 3, 139, 12) {}
};

}  // namespace

TEST(LdLoadableBase, RecordsNameTheBaseClassesAndCreateThem)
{
    const struct {
        const fw::RuntimeClass* record;
        const char* name;
        const char* base;
        bool tool;
    } cases[] = {
        {FW_RUNTIME_CLASS(CLdLoadable), "CLdLoadable", "CObject", false},
        {FW_RUNTIME_CLASS(CLdTask), "CLdTask", "CLdLoadable", false},
        {FW_RUNTIME_CLASS(CLdTool), "CLdTool", "CLdLoadable", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(c.record->className, c.name);
        EXPECT_STREQ(c.record->GetBaseClass()->className, c.base);
        EXPECT_EQ(c.record->schema, 0xFFFFu);
        EXPECT_TRUE(c.record->IsDerivedFrom("CLdLoadable"));
        EXPECT_EQ(c.record->IsDerivedFrom("CLdTool"), c.tool);
        std::unique_ptr<fw::Object> object(c.record->CreateObject());
        auto* loadable = dynamic_cast<CLdLoadable*>(object.get());
        ASSERT_NE(loadable, nullptr);
        EXPECT_EQ(loadable->GetRuntimeClass(), c.record);
        EXPECT_EQ(loadable->GetName(), "");
        EXPECT_TRUE(loadable->GetToolNames().empty());
    }
}

TEST(LdLoadableBase, DefaultAnswers)
{
    CTestTask task;
    CLdTool tool("Text", 65, 66, 67, 141, 23);
    for (CLdLoadable* object : {static_cast<CLdLoadable*>(&task), static_cast<CLdLoadable*>(&tool)}) {
        EXPECT_EQ(object->Execute(), 1);
        EXPECT_EQ(object->IsSequence(), 0);
        EXPECT_EQ(object->IsGuided(), 0);
        EXPECT_EQ(object->AcceptsAnyPicture(), 0);
        EXPECT_EQ(object->WantsPicture(), 0);
        EXPECT_EQ(object->NeedsDocument(), 1);
        object->SetPicture(nullptr, 0);
        object->SetParams(nullptr);
    }
    EXPECT_EQ(task.GetHelpId(), 12);
    EXPECT_EQ(tool.GetHelpId(), 23);
    EXPECT_EQ(tool.GetTitleId(), 65);
    EXPECT_EQ(tool.GetToolTipId(), 66);
    EXPECT_EQ(tool.GetCommentId(), 67);
    EXPECT_EQ(tool.GetBitmapId(), 141);
    QWidget parent;
    QPoint at(1, 2);
    EXPECT_EQ(tool.CreateOptionsPanel(&parent, &at, 1, 0), nullptr);
}

TEST(LdLoadableBase, ConstructorAsksForNoString)
{
    // Without an application there are no settings either: nothing to read.
    CTestTask task;
    EXPECT_EQ(task.GetModule(), nullptr);
    EXPECT_EQ(task.GetTitle(), "");
    EXPECT_EQ(task.GetComment(), "");
    EXPECT_TRUE(task.LoadButtonBitmap().empty());
    EXPECT_TRUE(task.GetToolNames().empty());
    QLabel box(QStringLiteral("old"));
    task.ShowComment(&box);
    EXPECT_EQ(box.text(), "");
    task.ShowComment(nullptr);
}

TEST(LdLoadableBase, ToolListComesFromTheSectionOfItsShortName)
{
    fw::App app("Telvy12");  // a memory profile
    const struct {
        int32_t count;
        Names names;
    } cases[] = {
        {3, {"Brush", "", "Send"}},  // no key for index 1: an empty name
        {1, {"Brush"}},
        {0, {}},
        {-2, {}},
    };
    app.WriteProfileString("Retouch", "tool0", "Brush");
    app.WriteProfileString("Retouch", "tool2", "Send");
    for (const auto& c : cases) {
        app.WriteProfileInt("Retouch", "tools", c.count);
        EXPECT_EQ(CTestTask().GetToolNames(), c.names) << c.count;
    }
    EXPECT_TRUE(CLdTool("Paint", 0, 0, 0, 0, 0).GetToolNames().empty());  // no section at all

    // A damaged count reads no more than a list can hold.
    app.WriteProfileInt("Retouch", "tools", 2000000000);
    EXPECT_EQ(CTestTask().GetToolNames().size(), size_t(CLdLoadable::kMaxToolNames));
}

TEST(LdLoadableBase, StringsComeFromTheResourceModuleCutTo127Characters)
{
    const CLdModule module("LoadableTest", platform::OwnResources());
    CTestTask task;
    task.SetModule(&module);
    EXPECT_EQ(task.GetTitle(), "Retouch");
    EXPECT_EQ(task.LoadResString(3), std::string(127, 'x'));
    // 127 characters of two bytes each: never half a character.
    std::string accents;
    for (int i = 0; i < 127; ++i)
        accents += "\xc3\xa9";
    EXPECT_EQ(task.GetToolTip(), accents);
    EXPECT_EQ(task.LoadResString(999), "");
    EXPECT_EQ(task.LoadResString(-1), "");

    QLabel box;
    task.ShowComment(&box);
    EXPECT_EQ(box.text().toStdString(), std::string(127, 'x'));
}
