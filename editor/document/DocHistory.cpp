// The document's walk through its undo and redo histories, the Undo, Redo
// and Image History commands.
#include <cstdio>

#include "editor/document/DocErrors.h"
#include "editor/document/DocStrings.h"
#include "editor/document/DocumentHost.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/ui/EvalControl.h"
#include "editor/ui/HistoryDlg.h"
#include "framework/CmdUI.h"
#include "framework/MessageBox.h"

void CLodo40Doc::TrimUndoLists()
{
    const int32_t depth = LdDocumentHost().UndoDepth();
    m_undo.SetLimit(depth);
    m_redo.SetLimit(depth);
}

void CLodo40Doc::StepHistory(int n)
{
    const size_t k = size_t(n < 0 ? -int64_t(n) : int64_t(n));
    UndoHistory& from = n > 0 ? m_undo : m_redo;
    UndoHistory& to = n > 0 ? m_redo : m_undo;
    if (k < 1 || k > from.Size())
        return;
    if (n > 0 && k > m_undo.Reducts().size()
        && fw::MessageBox(DocString(IDS_FAST_UNDO_EXHAUSTED), fw::MB_YESNO | fw::MB_ICONQUESTION) != fw::IDYES)
        return;

    const UndoRecord target = from.Records()[from.Size() - k];
    State current = CurrentState();

    // The views repaint what the crossed steps changed.
    QnRect changed{};
    bool whole = false;
    for (size_t i = 0; i < k; ++i) {
        const UndoRecord& r = from.Records()[from.Size() - 1 - i];
        if (r.whole) {
            whole = true;
            break;
        }
        changed = QnExtendBox(changed, r.rect);
    }
    SetPictureFromExpression(target.expr, whole ? nullptr : &changed, &target.selection, target.label, true,
                             &theModalEvalControl);
    m_source = target.source;
    m_stepsSinceSave -= n;
    UpdateModified();

    for (size_t i = 0; i < k; ++i) {
        UndoRecord crossed = from.PopLast();
        to.Push(UndoRecord{current.expr, crossed.rect, crossed.whole, current.source, current.selection,
                           current.label},
                current.reduct);
        current = State{crossed.expr, nullptr, crossed.source, crossed.label, crossed.selection};
    }
}

void CLodo40Doc::OnEditUndo()
{
    LdRunCommand([this] { StepHistory(1); });
}

void CLodo40Doc::OnEditRedo()
{
    LdRunCommand([this] { StepHistory(-1); });
}

void CLodo40Doc::OnUpdateEditUndo(fw::CmdUI& ui)
{
    ui.Enable(!m_undo.Empty());
}

void CLodo40Doc::OnUpdateEditRedo(fw::CmdUI& ui)
{
    ui.Enable(!m_redo.Empty());
}

std::string CLodo40Doc::HistoryLine(int number, const std::string& label)
{
    char head[32];
    std::snprintf(head, sizeof head, "%3d.  ", number);
    return head + label;
}

std::vector<std::string> CLodo40Doc::HistoryLines() const
{
    std::vector<std::string> lines;
    int number = 1;
    for (const UndoRecord& r : m_undo.Records())
        lines.push_back(HistoryLine(number++, r.label));
    lines.push_back(HistoryLine(number++, m_label + " " + DocString(IDS_CURRENT)));
    for (auto r = m_redo.Records().rbegin(); r != m_redo.Records().rend(); ++r)
        lines.push_back(HistoryLine(number++, r->label));
    return lines;
}

void CLodo40Doc::OnEditImageHistory()
{
    LdRunCommand([this] {
        const int n = int(m_undo.Size());
        HistoryDlg dialog(LdDocumentHost().MainWidget());
        dialog.entries = HistoryLines();
        dialog.selectedEntry = n;
        if (dialog.DoModal() == fw::IDOK && dialog.selectedEntry >= 0 && dialog.selectedEntry != n)
            StepHistory(n - dialog.selectedEntry);
    });
}
