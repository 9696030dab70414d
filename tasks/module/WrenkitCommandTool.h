// What the tools that run one of the editor's menu commands have in common:
// the action sends the command to the editor's main window, as its menu
// item would, and leaves the bar as it was. No run-time record of its own:
// each tool's record names CLdTool as its base, the class the editor looks
// for; the command is a template argument, so a tool object is no larger
// than a CLdTool.
#pragma once

#include "editor/loadable/LdTool.h"
#include "tasks/module/LdEditorHost.h"
#include "tasks/module/LdWizardServices.h"

template <uint32_t Command>
class CWrenkitCommandTool : public CLdTool {
public:
    static constexpr uint32_t kCommand = Command;

    int Execute() override
    {
        CLdWizardServices::Editor().SendCommand(Command);
        return 0;
    }

protected:
    CWrenkitCommandTool(std::string name, int32_t titleId, int32_t tipId, int32_t commentId, int32_t bitmapId,
                        int32_t helpId)
        : CLdTool(std::move(name), titleId, tipId, commentId, bitmapId, helpId)
    {
    }
};
