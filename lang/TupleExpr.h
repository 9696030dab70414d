// A node of a fixed number of elements.
#pragma once

#include "lang/Expr.h"

class QnTupleExpr : public QnExpr {
public:
    int IsTuple() const override { return 1; }
    PpQnTupleExpr CastToTuple() override;
    PpQnExpr MakeEvalStep(QnMachineContext& m, QnEvalState& state) override;

    int Arity() const { return arity_; }
    // Element i, 0 <= i < Arity(); else message 6.
    PpQnExpr Index(int i) const;
    QnExpr* ElementPtr(int i) const { return elements_[i]; }

protected:
    ~QnTupleExpr() override;
    void MarkFixedObjects(Visitor visit) override;

private:
    friend struct ::QnObjCreator;
    // elements is a slice of the machine's argument stack, whose last entry
    // is the first argument: elements[n-1] becomes element 0. n < 1 raises
    // message 5.
    QnTupleExpr(int n, const PpQnExpr* elements);

    int32_t arity_;
    QnExpr** elements_;
};

class PpQnTupleExpr : public QnPp<QnTupleExpr> {
public:
    using QnPp::QnPp;
    PpQnTupleExpr(const QnPp<QnTupleExpr>& other) : QnPp(other) {}
    // The shared tuple of n elements (element order as the node's).
    PpQnTupleExpr(int n, const PpQnExpr* elements);
};
