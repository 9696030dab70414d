#include "lang/CompLambda.h"

#include "lang/Combinator.h"
#include "lang/CompApply.h"
#include "lang/CompConst.h"
#include "lang/CompileWalk.h"
#include "lang/FunExpr.h"
#include "lang/LangExcept.h"
#include "lang/LangRcStr.h"

#include <memory>

namespace {

// The function node of a new combinator of arity over program.
PpQnExpr CombinatorExpr(const PpQnProgram& program, int arity)
{
    return MakeFunExpr(PpQnFun(PpQnCombinator(program, arity)), -1);
}

} // namespace

QnLambdaStep::QnLambdaStep(const QnCompLambda& lambda, QnVarContext& vars)
    : vars_(vars), outer_(vars.current), x_(lambda.var_), program_(PpQnProgram::NEW)
{
    vars_.current = QnVarDsc{x_, outer_.depth + 1};
    index_ = vars_.Add(vars_.current);
}

QnLambdaStep::~QnLambdaStep() { LeaveScope(); }

void QnLambdaStep::LeaveScope()
{
    if (!inScope_)
        return;
    inScope_ = false;
    vars_.Remove(index_);
    vars_.current = outer_;
}

bool QnLambdaStep::Finish(const QnCompiled& body, QnCompiled& result, PpQnComp& next)
{
    LeaveScope();
    switch (body.stat.status) {
    case QnComp::STAT_CLOSED:
        program_->AddCode(OP_CONST, program_->AddConstant(body.expr));
        program_->AddCode(OP_RETURN);
        result = QnCompiled{QnComp::COMPSTAT(QnComp::STAT_CLOSED, 0), CombinatorExpr(program_, 1), PpQnComp()};
        return true;

    case QnComp::STAT_FREE: {
        // The body ignores x: a selector of its first argument, applied to
        // the body, which the enclosing lambda then sees.
        const PpQnCompVar w(QnCompVar::NEW_VAR);
        params_.Add(QnMfeDsc{body.term, w, 0});
        params_.Add(QnMfeDsc{x_, x_, 0});
        QnComp::GenerateCode(w, program_, params_, 0);
        program_->AddCode(OP_RETURN);
        next = PpQnCompApply(PpQnCompConst(CombinatorExpr(program_, 2)), body.term);
        return false;
    }

    case QnComp::STAT_BOUND: {
        // Parameters: the MFEs in the order they were recorded, then x.
        params_.Add(QnMfeDsc{x_, x_, 0});
        QnComp::GenerateCode(body.term, program_, params_, 0);
        program_->AddCode(OP_RETURN);
        PpQnComp r = PpQnCompConst(CombinatorExpr(program_, params_.GetCount()));
        std::unique_ptr<QnContainerEnum_<QnMfeDsc>> en(params_.CreateEnum(0));
        QnMfeDsc* d;
        while (en->Next(d, nullptr))
            if (d->var.Get() != x_.Get())
                r = PpQnCompApply(r, d->term);
        next = r;
        return false;
    }

    default:
        QN_LANG_RAISE(QN_LANG_BAD_COMPILED_STATUS, "Flcompil", 390);
    }
}

QnComp::COMPSTAT QnCompLambda::Compile(PpQnExpr& expr, PpQnComp& term, const QnMfeContext& mfes, QnVarContext& vars)
{
    return QnCompileWalk::Run(PpQnComp(this), expr, term, mfes.Array(), vars);
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
