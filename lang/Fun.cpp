#include "lang/Fun.h"

#include "lang/BiFun.h"
#include "lang/FunRegistry.h"

QnFunId QnFun::RegisterFun(const PpQnFun& f) { return QnFunRegistry::Process().Register(f); }

PpQnFun::PpQnFun(QnFunId id) : QnPp(QnFunRegistry::Process().Lookup(id)) {}

PpQnFun::PpQnFun(Proc proc, Pred pred, int arity) : QnPp(PpQnBiFun(proc, pred, arity)) {}

PpQnFun::PpQnFun(Proc proc, int arity) : QnPp(PpQnBiFun(proc, arity)) {}
