// The edits of the painting tools: a brush or clone stroke segment, a fill at
// a point and a block of text. Each is a built-in applied to the current
// picture inside the selection, evaluated to learn what changed, and
// committed as one undo step (a stroke's later segments widen the step its
// first segment opened).
#include "editor/document/Lodo40Doc.h"

#include "editor/builtins/CheckedCast.h"
#include "editor/builtins/FlRectPict.h"
#include "editor/builtins/PointValues.h"
#include "editor/builtins/ToolValues.h"
#include "editor/document/DocErrors.h"
#include "editor/document/DocStrings.h"
#include "editor/operations/RgnToSelect.h"
#include "editor/painting/CloneFunction.h"
#include "editor/painting/FillFunction.h"
#include "editor/painting/PaintFunction.h"
#include "editor/painting/TextFunction.h"
#include "editor/ui/EvalControl.h"
#include "lang/ApplyExpr.h"
#include "lang/ValueExpr.h"

void CLodo40Doc::KeepClipResult(const PpQnExpr& clip)
{
    PpQnExpr result;
    EvalInContext(result, clip, m_machine, nullptr);
    m_clipResult = result;
}

namespace {

PpFlRectPict EvaluateAnswer(QnMachineContext& machine, const PpQnExpr& answer)
{
    PpQnExpr result;
    CLodo40Doc::EvalInContext(result, answer, machine, &theEvalControl);
    return CheckedCastFlRectPict(QnValueOf(result), "Lodo40Doc", 1260);
}

}  // namespace

void CLodo40Doc::CommitToolAnswer(const PpQnExpr& answer, const PpQnExpr& clip, const std::string& label,
                                  bool update, bool newRecord)
{
    CommitAnswerValue(answer, *EvaluateAnswer(m_machine, answer), clip, label, update, newRecord);
}

bool CLodo40Doc::CommitEffectAnswer(const PpQnExpr& answer, const PpQnExpr& clip, const std::string& label)
{
    const PpFlRectPict value = EvaluateAnswer(m_machine, answer);
    const QnRect* changed = value->Changed();
    if (changed && changed->IsEmpty())
        return false;
    CommitAnswerValue(answer, *value, clip, label, true, true);
    return true;
}

void CLodo40Doc::CommitAnswerValue(const PpQnExpr& answer, const FlRectPict& value, const PpQnExpr& clip,
                                   const std::string& label, bool update, bool newRecord)
{
    const PpQnExpr previous = m_expr;
    ApplyExpression(MakeFromRectPictExpr(answer), value.Changed(), nullptr, label, update, newRecord);
    if (!newRecord) {
        // The segment before this one is no state of the history: only its
        // caches held its picture. A long stroke would otherwise keep a
        // picture for every segment.
        QnForgetReduct(previous);
        if (auto* app = dynamic_cast<QnApplyExpr*>(previous.Get()))
            QnForgetReduct(app->Right());
    }
    KeepClipResult(clip);
}

void CLodo40Doc::PaintStroke(const CBrushParams& brush, const std::vector<QnPoint>& points, const QnPoint& start,
                             bool update, bool newRecord)
{
    LdRunEdit([&] {
        const PpQnExpr clip = SelectionMaskExpr();
        const PpQnExpr e = MakePaintExpr(m_expr, clip, PpQnExpr(PpQnFlVal(MakeFlBrushParams(brush))),
                                         PpQnExpr(PpQnFlVal(MakeFlPointArray(points))),
                                         PpQnExpr(PpQnFlVal(MakeFlPoint(start))));
        CommitToolAnswer(e, clip, DocString(IDS_PAINT), update, newRecord);
    });
}

void CLodo40Doc::CloneStroke(const CBrushParams& brush, const std::vector<QnPoint>& points, CLodo40Doc* source,
                             int32_t dx, int32_t dy, bool update, bool newRecord)
{
    if (!source || !source->m_expr)
        return;
    LdRunEdit([&] {
        const PpQnExpr clip = SelectionMaskExpr();
        const PpQnExpr e = MakeCloneExpr(m_expr, clip, PpQnExpr(PpQnFlVal(MakeFlBrushParams(brush))),
                                         PpQnExpr(PpQnFlVal(MakeFlPointArray(points))), source->m_expr, dx, dy);
        CommitToolAnswer(e, clip, DocString(IDS_CLONE), update, newRecord);
    });
}

void CLodo40Doc::FillAt(const CFillParams& params, const QnPoint& at)
{
    LdRunEdit([&] {
        const PpQnExpr e =
            MakeFillExpr(m_expr, SelectionMaskExpr(), PpQnExpr(PpQnFlVal(MakeFlFillParams(params))), at.x, at.y);
        const QnPoint size = GetPictureSize();
        QnRect changed = m_selection.box();
        if (changed.IsEmpty())
            changed = QnRect{0, 0, size.x, size.y};
        ApplyExpression(e, &changed, nullptr, DocString(IDS_FILL), true, true);
    });
}

void CLodo40Doc::AddText(const CTextParams& params, const QnPoint& at)
{
    LdRunEdit([&] {
        const PpQnExpr clip = SelectionMaskExpr();
        const PpQnExpr e = MakeTextExpr(m_expr, clip, PpQnExpr(PpQnFlVal(MakeFlTextParams(params))),
                                        PpQnExpr(PpQnFlVal(MakeFlPoint(at))));
        CommitToolAnswer(e, clip, DocString(IDS_ADD_TEXT), true, true);
    });
}
