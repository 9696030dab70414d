#include "lang/Comp.h"

#include "lang/CompApply.h"
#include "lang/CompConst.h"
#include "lang/CompLambda.h"
#include "lang/CompVar.h"
#include "lang/FlVal.h"
#include "lang/Fun.h"

QnComp::COMPSTAT QnComp::Compile(const PpQnComp& t, PpQnExpr& expr, PpQnComp& term, const QnMfeContext& mfes,
                                 QnVarContext& vars)
{
    return t->Compile(expr, term, mfes, vars);
}

void QnComp::GenerateCode(const PpQnComp& t, const PpQnProgram& program, const QnMfeArray& parameters, int depth)
{
    t->GenerateCode(program, parameters, depth);
}

QnComp::nodeid QnComp::GetNodeId(const PpQnComp& t) { return t->NodeId(); }

int QnComp::AreEqual(const PpQnComp& a, const PpQnComp& b)
{
    if (a.Get() == b.Get())
        return 1;
    return a->IsEqualTo(b);
}

PpQnComp::PpQnComp(const PpQnExpr& e) : QnPp(PpQnCompConst(e)) {}
PpQnComp::PpQnComp(const PpQnFlVal& v) : QnPp(PpQnCompConst(v)) {}
PpQnComp::PpQnComp(int n, const PpQnExpr* elements) : QnPp(PpQnCompConst(n, elements)) {}
PpQnComp::PpQnComp(QnFunId id, int arity) : QnPp(PpQnCompConst(id, arity)) {}
PpQnComp::PpQnComp(const PpQnFun& f, int arity) : QnPp(PpQnCompConst(f, arity)) {}
PpQnComp::PpQnComp(const PpQnExpr& f, const PpQnExpr& x) : QnPp(PpQnCompConst(f, x)) {}
PpQnComp::PpQnComp(QnCompVarTag) : QnPp(PpQnCompVar(QnCompVarTag::NEW_VAR)) {}
PpQnComp::PpQnComp(const PpQnCompVar& v, const PpQnComp& body) : QnPp(PpQnCompLambda(v, body)) {}
PpQnComp::PpQnComp(const PpQnComp& f, const PpQnComp& x) : QnPp(PpQnCompApply(f, x)) {}
