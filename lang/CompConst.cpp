#include "lang/CompConst.h"

#include "lang/ApplyExpr.h"
#include "lang/FlVal.h"
#include "lang/Fun.h"
#include "lang/Program.h"

QnComp::COMPSTAT QnCompConst::Compile(PpQnExpr& expr, PpQnComp&, const QnMfeContext&, QnVarContext&)
{
    expr = PpQnExpr(expr_);
    return COMPSTAT(STAT_CLOSED, 0);
}

void QnCompConst::GenerateCode(const PpQnProgram& program, const QnMfeArray&, int) const
{
    program->AddCode(OP_CONST, program->AddConstant(PpQnExpr(expr_)));
}

int QnCompConst::IsEqualTo(const PpQnComp& other) const
{
    return GetNodeId(other) == NODE_CONST && static_cast<QnCompConst*>(other.Get())->expr_ == expr_;
}

void QnCompConst::MarkFixedObjects(Visitor visit)
{
    if (expr_)
        visit(expr_);
}

PpQnCompConst::PpQnCompConst(const PpQnExpr& e) : QnPp(QnCreate<QnCompConst>(e.Get())) {}

PpQnCompConst::PpQnCompConst(const PpQnFlVal& v) : PpQnCompConst(PpQnExpr(v)) {}

PpQnCompConst::PpQnCompConst(int n, const PpQnExpr* elements) : PpQnCompConst(PpQnExpr(n, elements)) {}

PpQnCompConst::PpQnCompConst(QnFunId id, int arity) : PpQnCompConst(PpQnExpr(id, arity)) {}

PpQnCompConst::PpQnCompConst(const PpQnFun& f, int arity) : PpQnCompConst(PpQnExpr(f, arity)) {}

PpQnCompConst::PpQnCompConst(const PpQnExpr& f, const PpQnExpr& x) : PpQnCompConst(PpQnExpr(f, x)) {}
