// A tool of the tool palette applied to the picture: the tool builds its
// picture from the current one and the selection mask, and the result is
// committed as one undo step named after the tool.
#include "editor/document/Lodo40Doc.h"

#include "editor/document/DocErrors.h"
#include "editor/document/DocStrings.h"
#include "editor/palette/LdPaletteItem.h"
#include "framework/MessageBox.h"

void CLodo40Doc::ApplyPaletteItem(const CLdPaletteItem& item)
{
    const int32_t type = PictureType();
    if (type != kTrueColour && type != kGrey) {
        fw::MessageBox(DocString(IDS_WRONG_PICTURE_TYPE), fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return;
    }
    if (!item.CanApply() || !m_expr)
        return;
    LdRunEdit([&] {
        const PpQnExpr clip = SelectionMaskExpr();
        const PpQnExpr e = item.Apply(m_expr, clip);
        const QnPoint size = GetPictureSize();
        QnRect changed = m_selection.box();
        if (changed.IsEmpty())
            changed = QnRect{0, 0, size.x, size.y};
        ApplyExpression(e, &changed, nullptr, item.Name(), false, true);
        KeepClipResult(clip);
        fw::Document::UpdateAllViews(nullptr, kHintEdit, &changed);
    });
}
