// A node that names a function with a fixed arity. It travels as a PpQnExpr;
// MakeFunExpr is its sharing factory.
#pragma once

#include "lang/Expr.h"
#include "lang/Fun.h"

class QnFunExpr : public QnExpr {
public:
    PpQnExpr MakeEvalStep(QnMachineContext& m, QnEvalState& state) override;

    PpQnFun Function() const { return PpQnFun(function_); }
    QnFun* FunctionPtr() const { return function_; }
    int Arity() const { return arity_; }

protected:
    void MarkFixedObjects(Visitor visit) override;

private:
    friend struct ::QnObjCreator;
    // n = -1 takes the function's arity; a variable arity, or n other than
    // the function's, raises message 3.
    QnFunExpr(const PpQnFun& f, int n);

    QnFun* function_;
    int32_t arity_;
};

// The shared function node of f with arity n (-1: f's own). Message 3 when
// the arity is variable or not f's.
PpQnExpr MakeFunExpr(const PpQnFun& f, int n);
