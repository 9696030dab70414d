// A built-in function: a procedure, its arity and an optional strictness
// predicate (without one, every argument is strict).
#pragma once

#include "lang/Fun.h"

class QnBiFun : public QnFun {
public:
    PpQnExpr Apply(QnMachineContext& m, int n, QnEvalControl* ctl) const override;
    int GetArity() const override { return arity_; }
    int IsArgStrict(int i, int n) const override { return pred_ ? pred_(i, n) : 1; }

protected:
    friend struct ::QnObjCreator;
    QnBiFun(PpQnFun::Proc proc, PpQnFun::Pred pred, int arity) : proc_(proc), pred_(pred), arity_(arity) {}
    QnBiFun(const QnBiFun& other) = default;
    QnBiFun& operator=(const QnBiFun& other) = default;

private:
    PpQnFun::Proc proc_;
    PpQnFun::Pred pred_;
    int32_t arity_;
};

class PpQnBiFun : public QnPp<QnBiFun> {
public:
    using QnPp::QnPp;
    PpQnBiFun(const QnPp<QnBiFun>& other) : QnPp(other) {}
    PpQnBiFun(PpQnFun::Proc proc, PpQnFun::Pred pred, int arity);
    PpQnBiFun(PpQnFun::Proc proc, int arity);
};
