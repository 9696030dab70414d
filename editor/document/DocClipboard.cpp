// Edit > Copy: the selected part of the picture (all of it without a
// selection) goes to the clipboard. The cut is evaluated now, with progress
// and cancel; the bitmap is made only when somebody pastes, from the value
// the clipboard keeps, so a paste works after the document has closed.
#include "editor/document/DocErrors.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/operations/CropToSelection.h"
#include "editor/operations/DibExport.h"
#include "editor/ui/EvalControl.h"
#include "framework/Clipboard.h"
#include "lang/ValueExpr.h"

void CLodo40Doc::OnEditCopy()
{
    LdRunEdit([&] {
        const PpQnExpr e = MakeCropToSelectionExpr(m_expr, SelectionMaskExpr());
        PpQnExpr result;
        EvalInContext(result, e, m_machine, &theEvalControl);
        const PpQnPicture picture = QnCheckedCast<QnPicture>(QnValueOf(result), "Lodo40Doc", __LINE__);
        fw::Clipboard::SetDibProvider([picture] {
            return RenderObjToDib(PpQnRenderObj(picture), picture->Type() == WA_GRAY ? 1 : 3);
        });
    });
}
