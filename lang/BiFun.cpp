#include "lang/BiFun.h"

#include "lang/Expr.h"

PpQnExpr QnBiFun::Apply(QnMachineContext& m, int n, QnEvalControl* ctl) const { return proc_(m, n, ctl); }

PpQnBiFun::PpQnBiFun(PpQnFun::Proc proc, PpQnFun::Pred pred, int arity) : QnPp(QnCreate<QnBiFun>(proc, pred, arity)) {}

PpQnBiFun::PpQnBiFun(PpQnFun::Proc proc, int arity) : QnPp(QnCreate<QnBiFun>(proc, nullptr, arity)) {}
