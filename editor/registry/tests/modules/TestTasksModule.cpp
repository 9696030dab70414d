// A task and tool module for the registry's tests: two tasks and three
// tools, each with answers of its own to the virtual operations.
#include <QLabel>
#include <QPoint>

#include "editor/loadable/LdModuleEntries.h"
#include "editor/loadable/LdTask.h"
#include "editor/loadable/LdTool.h"

namespace {

class CTestTask_Start : public CLdTask {
    FW_DECLARE_DYNCREATE(CTestTask_Start)

public:
    CTestTask_Start() : CLdTask("Start", 10, 11, 12, 40, 101) {}
    int AcceptsAnyPicture() override { return 1; }
    int NeedsDocument() override { return 0; }
};
FW_IMPLEMENT_DYNCREATE(CTestTask_Start, CLdTask)

class CTestTask_Guided : public CLdTask {
    FW_DECLARE_DYNCREATE(CTestTask_Guided)

public:
    CTestTask_Guided() : CLdTask("Guided", 13, 14, 15, 41, 102) { guided_ = 1; }
};
FW_IMPLEMENT_DYNCREATE(CTestTask_Guided, CLdTask)

// Takes the bar with an option panel bound to the editor's parameters.
class CTestTool_Brush : public CLdTool {
    FW_DECLARE_DYNCREATE(CTestTool_Brush)

public:
    CTestTool_Brush() : CLdTool("Brush", 16, 17, 18, 42, 103) {}
    void SetParams(fw::Object* params) override { params_ = params; }
    QWidget* CreateOptionsPanel(QWidget* parent, QPoint* at, int, int) override
    {
        if (!params_)
            return nullptr;
        auto* panel = new QLabel(QStringLiteral("Brush options"), parent);
        panel->setObjectName(QString::fromLatin1(params_->GetRuntimeClass()->className));
        if (at)
            panel->move(*at);
        panel->show();
        return panel;
    }

private:
    fw::Object* params_ = nullptr;
};
FW_IMPLEMENT_DYNCREATE(CTestTool_Brush, CLdTool)

// Does its work at once (a command tool) and serves any picture.
class CTestTool_Send : public CLdTool {
    FW_DECLARE_DYNCREATE(CTestTool_Send)

public:
    CTestTool_Send() : CLdTool("Send", 19, 20, 21, 43, 104) {}
    int Execute() override { return 0; }
    int AcceptsAnyPicture() override { return 1; }
};
FW_IMPLEMENT_DYNCREATE(CTestTool_Send, CLdTool)

// A picture wizard: wants the picture, runs without a document. It runs on
// a picture it was given (0) and otherwise asks to be opened (1).
class CTestTool_Wizard : public CLdTool {
    FW_DECLARE_DYNCREATE(CTestTool_Wizard)

public:
    CTestTool_Wizard() : CLdTool("Wizard", 22, 23, 24, 99, 105) {}
    int WantsPicture() override { return 1; }
    int NeedsDocument() override { return 0; }
    void SetPicture(void* dib, uint32_t size) override
    {
        dib_ = dib;
        size_ = size;
    }
    int Execute() override { return dib_ && size_ > 0 ? 0 : 1; }

private:
    void* dib_ = nullptr;
    uint32_t size_ = 0;
};
FW_IMPLEMENT_DYNCREATE(CTestTool_Wizard, CLdTool)

const fw::RuntimeClass* const tasks[] = {FW_RUNTIME_CLASS(CTestTask_Start), FW_RUNTIME_CLASS(CTestTask_Guided)};
const fw::RuntimeClass* const tools[] = {FW_RUNTIME_CLASS(CTestTool_Brush), FW_RUNTIME_CLASS(CTestTool_Send),
                                         FW_RUNTIME_CLASS(CTestTool_Wizard)};

}  // namespace

int32_t CountTasks() { return int32_t(std::size(tasks)); }
const fw::RuntimeClass* TaskInit(uint32_t index) { return index < std::size(tasks) ? tasks[index] : nullptr; }
int32_t CountTools() { return int32_t(std::size(tools)); }
const fw::RuntimeClass* ToolInit(uint32_t index) { return index < std::size(tools) ? tools[index] : nullptr; }
