// A second test module: a task and a tool whose short names the first
// module has too, and entries that the editor must skip without harm.
#include <stdexcept>

#include "editor/loadable/LdModuleEntries.h"
#include "editor/loadable/LdTask.h"
#include "editor/loadable/LdTool.h"

namespace {

class CTestOtherTask_Start : public CLdTask {
    FW_DECLARE_DYNCREATE(CTestOtherTask_Start)

public:
    CTestOtherTask_Start() : CLdTask("Start", 50, 50, 50, 0, 201) {}
};
FW_IMPLEMENT_DYNCREATE(CTestOtherTask_Start, CLdTask)

class CTestOtherTool_Brush : public CLdTool {
    FW_DECLARE_DYNCREATE(CTestOtherTool_Brush)

public:
    CTestOtherTool_Brush() : CLdTool("Brush", 51, 51, 51, 0, 202) {}
};
FW_IMPLEMENT_DYNCREATE(CTestOtherTool_Brush, CLdTool)

// Creatable, but no task or tool.
class CTestNotLoadable : public fw::Object {
    FW_DECLARE_DYNCREATE(CTestNotLoadable)
};
FW_IMPLEMENT_DYNCREATE(CTestNotLoadable, fw::Object)

class CTestThrowingTask : public CLdTask {
    FW_DECLARE_DYNCREATE(CTestThrowingTask)

public:
    CTestThrowingTask() : CLdTask("Throwing", 0, 0, 0, 0, 0) { throw std::runtime_error("no settings"); }
};
FW_IMPLEMENT_DYNCREATE(CTestThrowingTask, CLdTask)

class CTestNamelessTask : public CLdTask {
    FW_DECLARE_DYNCREATE(CTestNamelessTask)
};
FW_IMPLEMENT_DYNCREATE(CTestNamelessTask, CLdTask)

// A record that claims "CLdTool" as its base by name but makes a plain
// object: the name alone must not let it through.
const fw::RuntimeClass fakeToolBase = {"CLdTool", 0, fw::RuntimeClass::kNoSchema, nullptr, nullptr, nullptr};
const fw::RuntimeClass fakeTool = {
    "CTestFakeTool", 0, fw::RuntimeClass::kNoSchema, []() -> fw::Object* { return new CTestNotLoadable; },
    []() { return &fakeToolBase; }, nullptr};

// Index 1 gives no class.
const fw::RuntimeClass* const tasks[] = {FW_RUNTIME_CLASS(CTestOtherTask_Start), nullptr,
                                         FW_RUNTIME_CLASS(CTestNotLoadable),     FW_RUNTIME_CLASS(CLdLoadable),
                                         FW_RUNTIME_CLASS(CTestThrowingTask),    FW_RUNTIME_CLASS(CTestNamelessTask)};
const fw::RuntimeClass* const tools[] = {FW_RUNTIME_CLASS(CTestOtherTool_Brush), &fakeTool};

}  // namespace

int32_t CountTasks() { return int32_t(std::size(tasks)); }
const fw::RuntimeClass* TaskInit(uint32_t index) { return index < std::size(tasks) ? tasks[index] : nullptr; }
int32_t CountTools() { return int32_t(std::size(tools)); }
const fw::RuntimeClass* ToolInit(uint32_t index) { return index < std::size(tools) ? tools[index] : nullptr; }
