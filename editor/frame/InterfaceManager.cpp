#include "editor/frame/InterfaceManager.h"

#include "editor/frame/MainFrm.h"
#include "editor/registry/LdRegistry.h"
#include "editor/ui/LdDialogBar.h"

FW_IMPLEMENT_DYNAMIC(CInterfaceManager, fw::CmdTarget)

CInterfaceManager::CInterfaceManager(const CLdRegistry& registry, CLdBarHost& host)
    : registry_(registry), host_(host),
      router_([this](const std::string& name) { return IsToolName(name); })
{
}

bool CInterfaceManager::SetInterface(CMainFrame* frame)
{
    frame_ = frame;
    taskBar_ = new CLdDialogBar(router_, host_, frame);
    toolBar_ = new CLdDialogBar(router_, host_, frame);
    taskBar_->setObjectName("TaskBar");
    toolBar_->setObjectName("ToolBar");
    router_.taskBar = &taskBar_->Logic();
    router_.toolBar = &toolBar_->Logic();
    if (!toolBar_->Create(frame, Qt::TopDockWidgetArea, ID_TOOL_BAR, kBarSize) ||
        !taskBar_->Create(frame, Qt::LeftDockWidgetArea, ID_TASK_BAR, kBarSize))
        return false;
    frame->ShowControlBar(taskBar_, true);
    frame->ShowControlBar(toolBar_, true);
    return true;
}

void CInterfaceManager::SwitchTask(const std::string& name)
{
    router_.SwitchTask(router_.toolBar, name);
}

void CInterfaceManager::ShowTask(const std::string& name, const std::vector<std::string>& entries, int sequence)
{
    router_.ShowTask(nullptr, name, entries, sequence);
}

bool CInterfaceManager::IsToolName(const std::string& name) const
{
    return registry_.IsToolName(name);
}

const fw::MessageMap* CInterfaceManager::GetMessageMap() const
{
    static const fw::MessageMap map = fw::MessageMap(fw::CmdTarget::GetMessageMap())
                                          .OnCommand(ID_WIZARD_CALENDAR, &CInterfaceManager::OnWizardCalendar)
                                          .OnCommand(ID_WIZARD_WALLPAPER, &CInterfaceManager::OnWizardWallpaper)
                                          .OnCommand(ID_WIZARD_FAX, &CInterfaceManager::OnWizardFax)
                                          .OnCommand(ID_WIZARD_COPIER, &CInterfaceManager::OnWizardCopier)
                                          .OnCommand(ID_WIZARD_SCREENSAVE, &CInterfaceManager::OnWizardScreenSave)
                                          .OnCommand(ID_EDIT_SELECT, &CInterfaceManager::OnEditSelect);
    return &map;
}
