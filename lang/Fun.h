// A function that expressions apply: a built-in written as a procedure, or a
// combinator made by the compiler. The machine asks it for its arity, which
// arguments it wants evaluated first, and for the reduct of an application.
#pragma once

#include "gc/QnGc.h"
#include "lang/FunId.h"

class QnMachineContext;
class QnEvalControl;
class PpQnExpr;
class PpQnFun;

class QnFun : public QnObj {
public:
    // The reduct of the function applied to the n arguments of m's current
    // frame (argument 1, the first applied, through m.arg_get(1)).
    virtual PpQnExpr Apply(QnMachineContext& m, int n, QnEvalControl* ctl) const = 0;
    // The number of arguments taken; -1 = variable.
    virtual int GetArity() const = 0;
    // Nonzero when argument i (0-based) of an n-argument application must be
    // evaluated before Apply.
    virtual int IsArgStrict(int i, int n) const = 0;

    // Enters f in the process's function registry and returns its id.
    static QnFunId RegisterFun(const PpQnFun& f);

protected:
    QnFun() = default;
    QnFun(const QnFun&) : QnObj() {}
    QnFun& operator=(const QnFun&) { return *this; }
};

class PpQnFun : public QnPp<QnFun> {
public:
    using Proc = PpQnExpr (*)(QnMachineContext&, int n, QnEvalControl*);
    using Pred = int (*)(int i, int n);

    using QnPp::QnPp;
    PpQnFun(const QnPp<QnFun>& other) : QnPp(other) {}
    // The registered function of id; QnRangeExcept when id names none.
    explicit PpQnFun(QnFunId id);
    // A new built-in (not registered: RegisterFun gives it an id).
    PpQnFun(Proc proc, Pred pred, int arity);
    PpQnFun(Proc proc, int arity);
};
