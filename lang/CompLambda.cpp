#include "lang/CompLambda.h"

#include "lang/Combinator.h"
#include "lang/CompApply.h"
#include "lang/CompConst.h"
#include "lang/FunExpr.h"
#include "lang/LangExcept.h"
#include "lang/LangRcStr.h"
#include "lang/MfeContext.h"
#include "lang/Program.h"
#include "lang/VarContext.h"

#include <memory>

namespace {

// The lambda's variable in scope while its body compiles; left again on
// the way out, also when the body raises.
class VarScope {
public:
    VarScope(QnVarContext& vars, const PpQnCompVar& v) : vars_(vars), outer_(vars.current)
    {
        vars_.current = QnVarDsc{v, outer_.depth + 1};
        index_ = vars_.Add(vars_.current);
    }
    ~VarScope()
    {
        vars_.Remove(index_);
        vars_.current = outer_;
    }
    VarScope(const VarScope&) = delete;
    VarScope& operator=(const VarScope&) = delete;

private:
    QnVarContext& vars_;
    QnVarDsc outer_;
    int32_t index_;
};

// The function node of a new combinator of arity over program.
PpQnExpr CombinatorExpr(const PpQnProgram& program, int arity)
{
    return MakeFunExpr(PpQnFun(PpQnCombinator(program, arity)), -1);
}

} // namespace

QnComp::COMPSTAT QnCompLambda::Compile(PpQnExpr& expr, PpQnComp& term, const QnMfeContext& mfes, QnVarContext& vars)
{
    const PpQnCompVar x(var_);
    const PpQnProgram program(PpQnProgram::NEW);
    QnMfeArray params;
    PpQnExpr e;
    PpQnComp t;
    COMPSTAT s;
    {
        VarScope scope(vars, x);
        s = QnComp::Compile(PpQnComp(body_), e, t, QnMfeContext(params), vars);
    }

    switch (s.status) {
    case STAT_CLOSED:
        program->AddCode(OP_CONST, program->AddConstant(e));
        program->AddCode(OP_RETURN);
        expr = CombinatorExpr(program, 1);
        return COMPSTAT(STAT_CLOSED, 0);

    case STAT_FREE: {
        // The body ignores x: a selector of its first argument, applied to
        // the body, which the enclosing lambda then sees.
        const PpQnCompVar w(QnCompVar::NEW_VAR);
        params.Add(QnMfeDsc{t, w, 0});
        params.Add(QnMfeDsc{x, x, 0});
        QnComp::GenerateCode(w, program, params, 0);
        program->AddCode(OP_RETURN);
        const PpQnComp r = PpQnCompApply(PpQnCompConst(CombinatorExpr(program, 2)), t);
        return QnComp::Compile(r, expr, term, mfes, vars);
    }

    case STAT_BOUND: {
        // Parameters: the MFEs in the order they were recorded, then x.
        params.Add(QnMfeDsc{x, x, 0});
        QnComp::GenerateCode(t, program, params, 0);
        program->AddCode(OP_RETURN);
        PpQnComp r = PpQnCompConst(CombinatorExpr(program, params.GetCount()));
        std::unique_ptr<QnContainerEnum_<QnMfeDsc>> en(params.CreateEnum(0));
        QnMfeDsc* d;
        while (en->Next(d, nullptr))
            if (d->var.Get() != x.Get())
                r = PpQnCompApply(r, d->term);
        return QnComp::Compile(r, expr, term, mfes, vars);
    }

    default:
        QN_LANG_RAISE(QN_LANG_BAD_COMPILED_STATUS, "Flcompil", 390);
    }
}

void QnCompLambda::GenerateCode(const PpQnProgram&, const QnMfeArray&, int) const
{
    QN_LANG_RAISE(QN_LANG_CANT_GENERATE_LAMBDA, "Flcompil", 281);
}

int QnCompLambda::IsEqualTo(const PpQnComp&) const { QN_LANG_RAISE(QN_LANG_CANT_COMPARE_LAMBDA, "Flcompil", 157); }

void QnCompLambda::MarkFixedObjects(Visitor visit)
{
    visit(var_);
    visit(body_);
}

PpQnCompLambda::PpQnCompLambda(const PpQnCompVar& v, const PpQnComp& body)
    : QnPp(QnCreate<QnCompLambda>(v.Get(), body.Get()))
{
}
