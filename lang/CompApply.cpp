#include "lang/CompApply.h"

#include "lang/ApplyExpr.h"
#include "lang/CompConst.h"
#include "lang/LangExcept.h"
#include "lang/LangRcStr.h"
#include "lang/MfeContext.h"
#include "lang/Program.h"

namespace {

PpQnComp Const(const PpQnExpr& e) { return PpQnCompConst(e); }
PpQnComp Apply(const PpQnComp& f, const PpQnComp& x) { return PpQnCompApply(f, x); }

} // namespace

QnComp::COMPSTAT QnCompApply::Compile(PpQnExpr& expr, PpQnComp& term, const QnMfeContext& mfes, QnVarContext& vars)
{
    PpQnExpr ef, ex;
    PpQnComp tf, tx;
    const COMPSTAT f = QnComp::Compile(PpQnComp(function_), ef, tf, mfes, vars);
    const COMPSTAT x = QnComp::Compile(PpQnComp(argument_), ex, tx, mfes, vars);
    auto valid = [](STATUS s) { return s == STAT_CLOSED || s == STAT_FREE || s == STAT_BOUND; };
    if (!valid(f.status) || !valid(x.status))
        QN_LANG_RAISE(QN_LANG_BAD_COMPILED_STATUS, "Flcompil", 390);

    switch (f.status * 3 + x.status) {
    case STAT_CLOSED * 3 + STAT_CLOSED:
        expr = PpQnExpr(ef, ex);
        return COMPSTAT(STAT_CLOSED, 0);
    case STAT_CLOSED * 3 + STAT_FREE:
        term = Apply(Const(ef), tx);
        return COMPSTAT(x.level);
    case STAT_CLOSED * 3 + STAT_BOUND:
        term = Apply(Const(ef), tx);
        return COMPSTAT(STAT_BOUND, 0);
    case STAT_FREE * 3 + STAT_CLOSED:
        term = Apply(tf, Const(ex));
        return COMPSTAT(f.level);
    case STAT_FREE * 3 + STAT_FREE:
        term = Apply(tf, tx);
        return COMPSTAT(f.level > x.level ? f.level : x.level);
    case STAT_FREE * 3 + STAT_BOUND:
        term = Apply(mfes.AddMfe(tf, f.level), tx);
        return COMPSTAT(STAT_BOUND, 0);
    case STAT_BOUND * 3 + STAT_CLOSED:
        term = Apply(tf, Const(ex));
        return COMPSTAT(STAT_BOUND, 0);
    case STAT_BOUND * 3 + STAT_FREE:
        term = Apply(tf, mfes.AddMfe(tx, x.level));
        return COMPSTAT(STAT_BOUND, 0);
    default: // both bound
        term = Apply(tf, tx);
        return COMPSTAT(STAT_BOUND, 0);
    }
}

void QnCompApply::GenerateCode(const PpQnProgram& program, const QnMfeArray& parameters, int depth) const
{
    QnComp::GenerateCode(PpQnComp(function_), program, parameters, depth);
    QnComp::GenerateCode(PpQnComp(argument_), program, parameters, depth + 1);
    program->AddCode(OP_APPLY);
}

int QnCompApply::IsEqualTo(const PpQnComp& other) const
{
    if (GetNodeId(other) != NODE_APPLY)
        return 0;
    const auto* o = static_cast<QnCompApply*>(other.Get());
    return AreEqual(PpQnComp(function_), PpQnComp(o->function_)) &&
           AreEqual(PpQnComp(argument_), PpQnComp(o->argument_));
}

void QnCompApply::MarkFixedObjects(Visitor visit)
{
    visit(function_);
    visit(argument_);
}

PpQnCompApply::PpQnCompApply(const PpQnComp& f, const PpQnComp& x) : QnPp(QnCreate<QnCompApply>(f.Get(), x.Get()))
{
}
