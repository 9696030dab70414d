// The picture operations that need no dialog: Crop to the selection and
// Paste Into Selection, each building its expression over the current one,
// labelled with the command's menu text and committed with its undo step;
// and Clone, which only makes the clone brush the current tool.
#include <algorithm>
#include <vector>

#include "editor/builtins/FL_Functions.h"
#include "editor/document/DocStrings.h"
#include "editor/document/DocumentHost.h"
#include "editor/document/DocErrors.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/operations/PictureExprBuilders.h"
#include "editor/operations/RgnToSelect.h"
#include "framework/Clipboard.h"
#include "framework/CmdUI.h"
#include "framework/Exception.h"
#include "framework/MessageBox.h"

namespace {

bool IsColourOrGrey(int type) { return type == WA_RGB24 || type == WA_GRAY; }

QnRgn Moved(const QnRgn& region, int32_t dx, int32_t dy)
{
    std::vector<QnRect> rects;
    for (const QnRect& r : region.rects())
        rects.push_back(QnRect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy});
    return QnRgn::FromDisjointRects(std::move(rects));
}

}  // namespace

PpQnExpr CLodo40Doc::SelectionMaskExpr() const
{
    const QnPoint size = GetPictureSize();
    return MakeRgnToSelectExpr(m_selectionValue, size.x, size.y);
}

void CLodo40Doc::OnPictureCrop()
{
    if (!IsColourOrGrey(PictureType()))
        return;
    const QnRect box = m_selection.box();
    if (box.IsEmpty()) {
        if (fw::MessageBox(DocString(IDS_SELECT_FIRST), fw::MB_OKCANCEL | fw::MB_ICONQUESTION) == fw::IDOK)
            LdDocumentHost().SendCommand(ID_EDIT_SELECT);
        return;
    }
    LdRunEdit([&] {
        const PpQnExpr expr = MakeCropExpr(m_expr, SelectionMaskExpr(), long(LdDocumentHost().Background()));
        // The selection keeps its place on the cropped picture.
        const QnRgn selection = Moved(m_selection, -std::max(0, box.left), -std::max(0, box.top));
        ApplyExpression(expr, nullptr, &selection, LdDocumentHost().MenuCommandText(ID_PICTURE_CROP), true, true);
        m_clipResult = PpQnExpr();
    });
}

void CLodo40Doc::OnEditPasteIntoSelection()
{
    if (!IsColourOrGrey(PictureType()) || m_selection.box().IsEmpty() || !fw::Clipboard::HasDib())
        return;
    LdRunEdit([&] {
        const std::string file = LdDocumentHost().WriteClipboardDibToTempFile();
        const PpQnExpr mask = SelectionMaskExpr();
        const PpQnExpr expr = MakePasteIntoSelectionExpr(m_expr, MakeLoadFileExpr(file.c_str()), mask);
        const QnRect changed = m_selection.box();
        ApplyExpression(expr, &changed, nullptr, LdDocumentHost().MenuCommandText(ID_EDIT_PASTE_INTO_SELECTION),
                        true, true);
        m_clipResult = m_machine.eval(mask, nullptr);
    });
}

void CLodo40Doc::OnPictureClone()
{
    if (IsColourOrGrey(PictureType()))
        LdDocumentHost().SwitchTask("Clone");
}

void CLodo40Doc::OnUpdatePictureOperation(fw::CmdUI& ui)
{
    ui.Enable(IsColourOrGrey(PictureType()));
}

void CLodo40Doc::OnUpdatePasteIntoSelection(fw::CmdUI& ui)
{
    ui.Enable(IsColourOrGrey(PictureType()) && !m_selection.box().IsEmpty() && fw::Clipboard::HasDib());
}
