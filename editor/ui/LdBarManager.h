// What a dialog bar asks of the interface manager that owns the main
// frame's two bars: to show a task or tool on the bar that should carry it,
// and to make a task or tool the current one.
#pragma once

#include <string>
#include <vector>

class CLdBarLogic;

class CLdBarManager {
public:
    virtual ~CLdBarManager() = default;

    // Shows name with its entries on the bar it belongs on (an empty name
    // from no bar: the stage names on the task bar); from is the asking bar.
    virtual void ShowTask(CLdBarLogic* from, const std::string& name, const std::vector<std::string>& entries,
                          int sequence) = 0;
    // Makes name the current task: the tool bar's SetTask runs unless name
    // is the stage already current.
    virtual void SwitchTask(CLdBarLogic* from, const std::string& name) = 0;
};
