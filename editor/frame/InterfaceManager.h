// Decides which of the main frame's two dialog bars shows a task or tool
// (through the bars' router), and carries the wizard commands of the menu,
// each of which makes its wizard the current task.
#pragma once

#include <cstdint>
#include <string>

#include "editor/ui/LdBarRouter.h"
#include "framework/CmdTarget.h"

class CLdBarHost;
class CLdDialogBar;
class CMainFrame;
class CLdRegistry;

class CInterfaceManager : public fw::CmdTarget {
    FW_DECLARE_DYNAMIC(CInterfaceManager)

public:
    static constexpr uint32_t ID_TASK_BAR = 1002;
    static constexpr uint32_t ID_TOOL_BAR = 59392;  // the framework's toolbar: View > Toolbar shows it
    static constexpr uint32_t ID_WIZARD_CALENDAR = 32846;
    static constexpr uint32_t ID_WIZARD_WALLPAPER = 32844;
    static constexpr uint32_t ID_WIZARD_FAX = 32848;
    static constexpr uint32_t ID_WIZARD_COPIER = 32847;
    static constexpr uint32_t ID_WIZARD_SCREENSAVE = 32845;
    static constexpr uint32_t ID_EDIT_SELECT = 32779;
    // The task bar's width and the tool bar's height.
    static constexpr int kBarSize = 110;

    CInterfaceManager(const CLdRegistry& registry, CLdBarHost& host);

    // Makes the task bar (left) and the tool bar (top) in frame; false when
    // either cannot be made.
    bool SetInterface(CMainFrame* frame);
    void SwitchTask(const std::string& name);
    void ShowTask(const std::string& name, const std::vector<std::string>& entries, int sequence);
    bool IsToolName(const std::string& name) const;
    const std::string& CurrentTask() const { return router_.CurrentTask(); }
    CLdBarRouter& Router() { return router_; }

    CLdDialogBar* TaskBar() const { return taskBar_; }
    CLdDialogBar* ToolBar() const { return toolBar_; }

    const fw::MessageMap* GetMessageMap() const override;

private:
    void OnWizardCalendar() { SwitchTask("Calendar"); }
    void OnWizardWallpaper() { SwitchTask("Wallpaper"); }
    void OnWizardFax() { SwitchTask("Fax"); }
    void OnWizardCopier() { SwitchTask("Copier"); }
    void OnWizardScreenSave() { SwitchTask("ScreenSave"); }
    void OnEditSelect() { SwitchTask("Select"); }

    const CLdRegistry& registry_;
    CLdBarHost& host_;
    CLdBarRouter router_;
    CMainFrame* frame_ = nullptr;
    CLdDialogBar* taskBar_ = nullptr;
    CLdDialogBar* toolBar_ = nullptr;
};
