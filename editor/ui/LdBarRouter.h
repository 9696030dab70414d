// Which of the main frame's two bars carries a task or tool, and which task
// is current: a name goes to the tool bar (a tool as its option panel, a
// task as its entries), the stage names with no name to the task bar, and
// choosing the stage that is already current does nothing.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "editor/ui/LdBarManager.h"

class CLdBarRouter : public CLdBarManager {
public:
    explicit CLdBarRouter(std::function<bool(const std::string&)> isToolName) : isToolName_(std::move(isToolName)) {}

    void ShowTask(CLdBarLogic* from, const std::string& name, const std::vector<std::string>& entries,
                  int sequence) override;
    void SwitchTask(CLdBarLogic* from, const std::string& name) override;

    static bool IsStage(const std::string& name);
    const std::string& CurrentTask() const { return current_; }

    CLdBarLogic* taskBar = nullptr;
    CLdBarLogic* toolBar = nullptr;

private:
    std::function<bool(const std::string&)> isToolName_;
    std::string current_;
};
