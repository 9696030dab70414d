// A task and tool module for the dialog bars' tests: three stages (one a
// sequence) and tools named as the editor's own, so that the bars give them
// their modes and parameters, each with answers of its own.
#include <QLabel>
#include <QPoint>

#include "editor/loadable/LdModuleEntries.h"
#include "editor/loadable/LdTask.h"
#include "editor/loadable/LdTool.h"
#include "framework/MessageBox.h"

namespace {

// Stages serve any picture and need none, as the editor's stages do.
class CBarTestStage : public CLdTask {
public:
    int AcceptsAnyPicture() override { return 1; }
    int NeedsDocument() override { return 0; }

protected:
    CBarTestStage(std::string name, int32_t id, int32_t bitmap, int32_t guided)
        : CLdTask(std::move(name), id, id + 1, id + 2, bitmap, id)
    {
        guided_ = guided;
    }
};

class CBarTest_Start : public CBarTestStage {
    FW_DECLARE_DYNCREATE(CBarTest_Start)

public:
    CBarTest_Start() : CBarTestStage("Start", 10, 129, 0) {}
};
FW_IMPLEMENT_DYNCREATE(CBarTest_Start, CLdTask)

class CBarTest_Easy : public CBarTestStage {
    FW_DECLARE_DYNCREATE(CBarTest_Easy)

public:
    CBarTest_Easy() : CBarTestStage("Easy", 20, 137, 0) {}
};
FW_IMPLEMENT_DYNCREATE(CBarTest_Easy, CLdTask)

class CBarTest_Guided : public CBarTestStage {
    FW_DECLARE_DYNCREATE(CBarTest_Guided)

public:
    CBarTest_Guided() : CBarTestStage("Guided", 30, 139, 1) {}
};
FW_IMPLEMENT_DYNCREATE(CBarTest_Guided, CLdTask)

// A tool whose option panel is a label naming the parameter object it was
// given (none: no panel).
class CBarTestPanelTool : public CLdTool {
public:
    void SetParams(fw::Object* params) override { params_ = params; }
    QWidget* CreateOptionsPanel(QWidget* parent, QPoint* at, int, int) override
    {
        if (!params_)
            return nullptr;
        auto* panel = new QLabel(QStringLiteral("%1 options").arg(QString::fromStdString(GetName())), parent);
        panel->setObjectName(QString::fromLatin1(params_->GetRuntimeClass()->className));
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setAlignment(Qt::AlignCenter);
        panel->setGeometry(at ? at->x() : 0, at ? at->y() : 0, 160, 60);
        panel->show();
        return panel;
    }

protected:
    CBarTestPanelTool(std::string name, int32_t id, int32_t bitmap) : CLdTool(std::move(name), id, id + 1, id + 2, bitmap, id)
    {
    }

private:
    fw::Object* params_ = nullptr;
};

class CBarTest_Text : public CBarTestPanelTool {
    FW_DECLARE_DYNCREATE(CBarTest_Text)

public:
    CBarTest_Text() : CBarTestPanelTool("Text", 40, 136) {}
};
FW_IMPLEMENT_DYNCREATE(CBarTest_Text, CLdTool)

class CBarTest_Select : public CBarTestPanelTool {
    FW_DECLARE_DYNCREATE(CBarTest_Select)

public:
    CBarTest_Select() : CBarTestPanelTool("Select", 50, 138) {}
};
FW_IMPLEMENT_DYNCREATE(CBarTest_Select, CLdTool)

// Keeps its parameters but has no panel; needs a document (the default).
class CBarTest_Paint : public CLdTool {
    FW_DECLARE_DYNCREATE(CBarTest_Paint)

public:
    CBarTest_Paint() : CLdTool("Paint", 60, 61, 62, 129, 60) {}
};
FW_IMPLEMENT_DYNCREATE(CBarTest_Paint, CLdTool)

// Does its work at once and stays off the bar.
class CBarTest_Send : public CLdTool {
    FW_DECLARE_DYNCREATE(CBarTest_Send)

public:
    CBarTest_Send() : CLdTool("Send", 70, 71, 72, 137, 70) {}
    int AcceptsAnyPicture() override { return 1; }
    int Execute() override
    {
        fw::MessageBox("Sent");
        return 0;
    }
};
FW_IMPLEMENT_DYNCREATE(CBarTest_Send, CLdTool)

// A picture wizard: runs on the picture it was given, and opens on the bar
// to wait for one otherwise.
class CBarTest_Wallpaper : public CLdTool {
    FW_DECLARE_DYNCREATE(CBarTest_Wallpaper)

public:
    CBarTest_Wallpaper() : CLdTool("Wallpaper", 80, 81, 82, 139, 80) {}
    int WantsPicture() override { return 1; }
    void SetPicture(void* dib, uint32_t size) override
    {
        dib_ = dib;
        size_ = size;
    }
    int Execute() override
    {
        if (!dib_)
            return 1;
        fw::MessageBox("Wallpaper of " + std::to_string(size_) + " bytes");
        return 0;
    }

private:
    void* dib_ = nullptr;
    uint32_t size_ = 0;
};
FW_IMPLEMENT_DYNCREATE(CBarTest_Wallpaper, CLdTool)

class CBarTest_Copier : public CLdTool {
    FW_DECLARE_DYNCREATE(CBarTest_Copier)

public:
    CBarTest_Copier() : CLdTool("Copier", 90, 91, 92, 136, 90) {}
};
FW_IMPLEMENT_DYNCREATE(CBarTest_Copier, CLdTool)

const fw::RuntimeClass* const tasks[] = {FW_RUNTIME_CLASS(CBarTest_Start), FW_RUNTIME_CLASS(CBarTest_Easy),
                                         FW_RUNTIME_CLASS(CBarTest_Guided)};
const fw::RuntimeClass* const tools[] = {FW_RUNTIME_CLASS(CBarTest_Text),   FW_RUNTIME_CLASS(CBarTest_Select),
                                         FW_RUNTIME_CLASS(CBarTest_Paint),  FW_RUNTIME_CLASS(CBarTest_Send),
                                         FW_RUNTIME_CLASS(CBarTest_Wallpaper), FW_RUNTIME_CLASS(CBarTest_Copier)};

}  // namespace

int32_t CountTasks() { return int32_t(std::size(tasks)); }
const fw::RuntimeClass* TaskInit(uint32_t index) { return index < std::size(tasks) ? tasks[index] : nullptr; }
int32_t CountTools() { return int32_t(std::size(tools)); }
const fw::RuntimeClass* ToolInit(uint32_t index) { return index < std::size(tools) ? tools[index] : nullptr; }
