#include "editor/ui/LdBarRouter.h"

#include <algorithm>

#include "editor/ui/LdBarLogic.h"

bool CLdBarRouter::IsStage(const std::string& name)
{
    static const char* const stages[] = {"Start", "Easy", "Retouch", "Artwork", "Finish"};
    return std::any_of(std::begin(stages), std::end(stages), [&](const char* s) { return name == s; });
}

void CLdBarRouter::ShowTask(CLdBarLogic* from, const std::string& name, const std::vector<std::string>& entries,
                            int sequence)
{
    const bool tool = isToolName_(name);
    const bool nav = !(entries.empty() || isToolName_(entries.front()));
    CLdBarLogic* target = !name.empty() ? toolBar : (from ? nullptr : taskBar);
    if (!target)
        return;
    target->SetButtons(tool, tool, 0, nav);
    if (tool) {
        target->ShowTool(name, 0);
        return;
    }
    target->FillTask(name, entries, sequence);
    if (!sequence && taskBar)
        taskBar->SelectByName(name);
}

void CLdBarRouter::SwitchTask(CLdBarLogic*, const std::string& name)
{
    if (name == current_ && IsStage(name))
        return;
    current_ = name;
    if (toolBar)
        toolBar->SetTask(name);
}
