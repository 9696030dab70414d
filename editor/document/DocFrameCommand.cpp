// Wizard > Frames...: a frame and a mat from the catalogue round the
// picture, chosen in the frame and mat dialog over a small copy of it, and
// committed as one undoable edit.
#include <string>
#include <vector>

#include "editor/document/DocumentHost.h"
#include "editor/document/DocErrors.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/operations/PictureExprBuilders.h"
#include "editor/ui/FrameDlg.h"
#include "framework/CmdUI.h"
#include "framework/Exception.h"
#include "framework/MessageBox.h"
#include "lang/FlInt.h"
#include "lang/FlString.h"

namespace {

bool TrueColourOrGrey(int32_t type) { return type == 16 || type == 8; }

}  // namespace

void CLodo40Doc::OnWizardFrames()
{
    if (!TrueColourOrGrey(PictureType()))
        return;
    CLdDocumentHost& host = LdDocumentHost();
    const uint32_t background = host.Background();
    PpQnExpr expr;
    {
        // The dialog's copy of the picture lives only as long as the dialog.
        const std::vector<uint8_t> source = RenderToNativeDib();
        CFrameDlg dialog(source, background, host.MainWidget());
        if (dialog.DoModal() != fw::IDOK || !TrueColourOrGrey(PictureType()))
            return;
        expr = MakeBordersExpr(m_expr, background, dialog.GetFrameWidth(), dialog.GetMatWidth(), dialog.light,
                               dialog.frameShape, dialog.GetFrameStyleName().c_str(), dialog.GetMatName().c_str());
    }
    LdRunEdit([&] {
        const QnRgn noSelection;
        ApplyExpression(expr, nullptr, &noSelection, host.MenuCommandText(ID_WIZARD_FRAMES), true, true);
        m_clipResult = PpQnExpr();
    });
}

void CLodo40Doc::OnUpdateWizardFrames(fw::CmdUI& ui) { ui.Enable(TrueColourOrGrey(PictureType())); }
