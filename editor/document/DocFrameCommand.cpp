// Wizard > Frames...: a frame and a mat from the catalogue round the
// picture, chosen in the frame and mat dialog over a small copy of it, and
// committed as one undoable edit.
#include <string>
#include <vector>

#include "editor/document/DocumentHost.h"
#include "editor/document/DocErrors.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/operations/Borders.h"
#include "editor/ui/FrameDlg.h"
#include "framework/CmdUI.h"
#include "framework/Exception.h"
#include "framework/MessageBox.h"
#include "lang/FlInt.h"
#include "lang/FlString.h"

namespace {

bool TrueColourOrGrey(int32_t type) { return type == 16 || type == 8; }

// Borders picture colour frameWidth matWidth light shape frameName matName.
PpQnExpr BordersExpr(const PpQnExpr& picture, uint32_t colour, int32_t frameWidth, int32_t matWidth, int32_t light,
                     int32_t shape, const std::string& frameName, const std::string& matName)
{
    PpQnExpr e(PpQnExpr(RegisterBordersFunction(), -1), picture);
    for (const int32_t v : {int32_t(colour), frameWidth, matWidth, light, shape})
        e = PpQnExpr(e, PpQnExpr(PpQnFlVal(v)));
    e = PpQnExpr(e, PpQnExpr(PpQnFlVal(PpQnFlString(frameName.c_str()))));
    return PpQnExpr(e, PpQnExpr(PpQnFlVal(PpQnFlString(matName.c_str()))));
}

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
        expr = BordersExpr(m_expr, background, dialog.GetFrameWidth(), dialog.GetMatWidth(), dialog.light,
                           dialog.frameShape, dialog.GetFrameStyleName(), dialog.GetMatName());
    }
    LdRunEdit([&] {
        const QnRgn noSelection;
        ApplyExpression(expr, nullptr, &noSelection, host.MenuCommandText(ID_WIZARD_FRAMES), true, true);
        m_clipResult = PpQnExpr();
    });
}

void CLodo40Doc::OnUpdateWizardFrames(fw::CmdUI& ui) { ui.Enable(TrueColourOrGrey(PictureType())); }
