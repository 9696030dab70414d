// A constant term: a node of the expression graph.
#pragma once

#include "lang/Comp.h"

class QnCompConst : public QnComp {
public:
    QnExpr* ExprPtr() const { return expr_; }

protected:
    void MarkFixedObjects(Visitor visit) override;

private:
    friend struct ::QnObjCreator;
    explicit QnCompConst(QnExpr* e) : expr_(e) {}

    COMPSTAT Compile(PpQnExpr& expr, PpQnComp& term, const QnMfeContext& mfes, QnVarContext& vars) override;
    void GenerateCode(const PpQnProgram& program, const QnMfeArray& parameters, int depth) const override;
    nodeid NodeId() const override { return NODE_CONST; }
    // The other is a constant of the very same node.
    int IsEqualTo(const PpQnComp& other) const override;

    QnExpr* expr_;
};

class PpQnCompConst : public QnPp<QnCompConst> {
public:
    using QnPp::QnPp;
    PpQnCompConst(const QnPp<QnCompConst>& other) : QnPp(other) {}
    // A constant of e's node.
    explicit PpQnCompConst(const PpQnExpr& e);
    // A constant of the shared node of a value, a tuple of n elements, a
    // registered function, a function object, or the application f x.
    explicit PpQnCompConst(const PpQnFlVal& v);
    PpQnCompConst(int n, const PpQnExpr* elements);
    PpQnCompConst(QnFunId id, int arity);
    PpQnCompConst(const PpQnFun& f, int arity);
    PpQnCompConst(const PpQnExpr& f, const PpQnExpr& x);
};
