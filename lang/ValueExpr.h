// A node that holds a value.
#pragma once

#include "lang/Expr.h"
#include "lang/FlVal.h"

class QnValueExpr : public QnExpr {
public:
    int IsValue() const override { return 1; }
    PpQnValueExpr CastToValue() override;
    PpQnExpr MakeEvalStep(QnMachineContext& m, QnEvalState& state) override;

    PpQnFlVal Value() const { return PpQnFlVal(value_); }
    QnFlVal* ValuePtr() const { return value_; }

protected:
    void MarkFixedObjects(Visitor visit) override;

private:
    friend struct ::QnObjCreator;
    explicit QnValueExpr(const PpQnFlVal& value) : value_(value.Get()) {}

    QnFlVal* value_;
};

class PpQnValueExpr : public QnPp<QnValueExpr> {
public:
    using QnPp::QnPp;
    PpQnValueExpr(const QnPp<QnValueExpr>& other) : QnPp(other) {}
    // The shared value node of value: an equal value of the same class that
    // already has a node gets that node, unless the value is unique.
    explicit PpQnValueExpr(const PpQnFlVal& value);
};
