// The effect commands: each runs one filter of an effect module over the
// selection (the whole picture when nothing is selected), as an expression
// over the current picture, so that undo and redo show the same pixels
// again. The value that names the effect keeps the settings chosen in the
// module's dialog, so evaluating the step again never asks twice. A run
// that gives every pixel back as it was (the dialog's neutral settings)
// records no step: the command says there is nothing to do.
#include "editor/builtins/FlRectPict.h"
#include "editor/document/DocErrors.h"
#include "editor/document/DocStrings.h"
#include "editor/document/DocumentHost.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/effects/BuiltinEffectTable.h"
#include "editor/effects/PlugInInstance.h"
#include "framework/CmdUI.h"
#include "framework/MessageBox.h"

namespace {

constexpr uint32_t ID_PICTURE_RED_EYE = 32794;

bool IsColourOrGrey(int type) { return type == WA_RGB24 || type == WA_GRAY; }

}  // namespace

void CLodo40Doc::OnBuiltinEffect(uint32_t id)
{
    if (id == ID_PICTURE_RED_EYE && m_selection.box().IsEmpty()) {
        if (fw::MessageBox(DocString(IDS_SELECT_FIRST), fw::MB_OKCANCEL | fw::MB_ICONQUESTION) == fw::IDOK)
            LdDocumentHost().SendCommand(ID_EDIT_SELECT);
        return;
    }
    if (!IsColourOrGrey(PictureType()))
        return;
    std::string module, entry1, entry2;
    intptr_t* dataWord = nullptr;
    if (!FindBuiltinEffect(int32_t(id), &module, &entry1, &entry2, &dataWord, nullptr))
        return;
    // A module that cannot be loaded says so; a cancel ends quietly.
    LdRunCommand([&] {
        const PpPlugInInstance effect = MakePlugInInstance(module, entry1, entry2, dataWord);
        const PpQnExpr clip = SelectionMaskExpr();
        CLdDocumentHost& host = LdDocumentHost();
        const PpQnExpr e = MakeRunEffectModuleExpr(effect, m_expr, clip, host.Foreground(), host.Background());
        if (!CommitEffectAnswer(e, clip, host.MenuCommandText(id)))
            LdNothingToDo();
    });
}

void CLodo40Doc::OnUpdateBuiltinEffect(fw::CmdUI& ui)
{
    ui.Enable(IsColourOrGrey(PictureType()) &&
              FindBuiltinEffect(int32_t(ui.GetID()), nullptr, nullptr, nullptr, nullptr, nullptr) != 0);
}
