// Creation by class name and the base-class chain compared by name, as the
// task and tool registry uses them with modules' own copies of base classes.
#include <gtest/gtest.h>

#include <memory>

#include "framework/Object.h"

namespace {

// The editor's copy of the loadable base classes...
class CLdLoadable : public fw::Object {
    FW_DECLARE_DYNCREATE(CLdLoadable)
};
FW_IMPLEMENT_DYNCREATE(CLdLoadable, fw::Object)
class CLdTool : public CLdLoadable {
    FW_DECLARE_DYNCREATE(CLdTool)
};
FW_IMPLEMENT_DYNCREATE(CLdTool, CLdLoadable)
class CLdTask : public CLdLoadable {
    FW_DECLARE_DYNCREATE(CLdTask)
};
FW_IMPLEMENT_DYNCREATE(CLdTask, CLdLoadable)

// ...and a module's class over its own record of a base named "CLdTool".
fw::Object* MakeModuleTool();
const fw::RuntimeClass moduleToolBase = {"CLdTool", 8, fw::RuntimeClass::kNoSchema, nullptr,
                                         [] { return &CLdLoadable::classInfo; }, nullptr};
class CTool_Whirl : public fw::Object {
public:
    static const fw::RuntimeClass classInfo;
    const fw::RuntimeClass* GetRuntimeClass() const override { return &classInfo; }
};
const fw::RuntimeClass CTool_Whirl::classInfo = {"CTool_Whirl", sizeof(CTool_Whirl), fw::RuntimeClass::kNoSchema,
                                                 &MakeModuleTool, [] { return &moduleToolBase; }, nullptr};
fw::Object* MakeModuleTool() { return new CTool_Whirl; }
const fw::ClassRegistration whirlRegistration(&CTool_Whirl::classInfo);

TEST(RuntimeClass, CreatesObjectsByName)
{
    const fw::RuntimeClass* cls = fw::RuntimeClass::FromName("CTool_Whirl");
    ASSERT_NE(cls, nullptr);
    std::unique_ptr<fw::Object> object(cls->CreateObject());
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetRuntimeClass(), &CTool_Whirl::classInfo);
    EXPECT_EQ(fw::RuntimeClass::FromName("CNoSuchClass"), nullptr);
    EXPECT_EQ(fw::Object::classInfo.CreateObject(), nullptr);
}

TEST(RuntimeClass, BaseChainIsComparedByName)
{
    // The module's tool counts as a tool although its base record is its own.
    EXPECT_TRUE(CTool_Whirl::classInfo.IsDerivedFrom(FW_RUNTIME_CLASS(CLdTool)));
    EXPECT_TRUE(CTool_Whirl::classInfo.IsDerivedFrom("CLdLoadable"));
    EXPECT_TRUE(CLdTask::classInfo.IsDerivedFrom("CLdLoadable"));
    EXPECT_FALSE(CLdTask::classInfo.IsDerivedFrom("CLdTool"));
    EXPECT_TRUE(CLdTask::classInfo.IsDerivedFrom("CObject"));
    std::unique_ptr<fw::Object> task(CLdTask::classInfo.CreateObject());
    EXPECT_TRUE(task->IsKindOf(FW_RUNTIME_CLASS(CLdLoadable)));
    EXPECT_FALSE(task->IsKindOf(FW_RUNTIME_CLASS(CLdTool)));
}

TEST(RuntimeClass, RecordsLeaveTheRegistryWithTheirLibrary)
{
    const fw::RuntimeClass record = {"CUnloaded", 8, 1, nullptr, nullptr, nullptr};
    {
        fw::ClassRegistration registration(&record);
        EXPECT_EQ(fw::RuntimeClass::FromName("CUnloaded"), &record);
    }
    EXPECT_EQ(fw::RuntimeClass::FromName("CUnloaded"), nullptr);
}

}  // namespace
