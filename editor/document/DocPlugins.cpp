// The plug-in menu's commands: each id names a catalogued plug-in of the
// plug-in host, which runs on the picture inside the selection as one undo
// step labelled with the plug-in's name; a run that changes no pixel records
// none and says "Nothing to do!".
#include "editor/document/DocErrors.h"
#include "editor/document/DocumentHost.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/plugins/PlugInExternal.h"
#include "framework/CmdUI.h"
#include "pluginhost/Fxgate.h"

namespace {

// Plug-ins get the pixels of colour and grey pictures only.
bool TakesPlugIns(int type) { return type == WA_RGB24 || type == WA_GRAY; }

std::string PlugInName(uint32_t plugIn)
{
    char name[256] = {};
    int32_t length = sizeof(name);
    PIGetPluginName(plugIn, name, &length);
    return name;
}

} // namespace

void CLodo40Doc::OnPlugInCommand(uint32_t id)
{
    if (!TakesPlugIns(PictureType()))
        return;
    // The run's cancel (piInst_cancel), a plug-in's failure (piInst_error)
    // and the user's abort end the command quietly, before anything changed.
    LdRunEdit([&] {
        const uint32_t plugIn = uint32_t(PIGetPluginIDByMenuID(id));
        const PpQnExpr mask = SelectionMaskExpr();
        CLdDocumentHost& host = LdDocumentHost();
        const PpQnExpr e = MakeRunExternalPlugInExpr(plugIn, m_expr, mask, host.Foreground(), host.Background());
        if (!CommitEffectAnswer(e, mask, PlugInName(plugIn)))
            LdNothingToDo();
    });
}

void CLodo40Doc::OnUpdatePlugInCommand(fw::CmdUI& ui)
{
    ui.Enable(TakesPlugIns(PictureType()));
}
