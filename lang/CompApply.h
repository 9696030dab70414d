// An application term of one term to another.
#pragma once

#include "lang/Comp.h"

class QnCompApply : public QnComp {
public:
    PpQnComp Function() const { return PpQnComp(function_); }
    PpQnComp Argument() const { return PpQnComp(argument_); }

protected:
    void MarkFixedObjects(Visitor visit) override;

private:
    friend struct ::QnObjCreator;
    QnCompApply(QnComp* f, QnComp* x) : function_(f), argument_(x) {}

    // Combines the statuses of the two parts; a part that holds only outer
    // variables becomes a maximal free expression where it meets a part
    // that holds the innermost lambda's variable.
    COMPSTAT Compile(PpQnExpr& expr, PpQnComp& term, const QnMfeContext& mfes, QnVarContext& vars) override;
    void GenerateCode(const PpQnProgram& program, const QnMfeArray& parameters, int depth) const override;
    nodeid NodeId() const override { return NODE_APPLY; }
    // The other is an application with equal function and equal argument.
    int IsEqualTo(const PpQnComp& other) const override;

    QnComp* function_;
    QnComp* argument_;
};

class PpQnCompApply : public QnPp<QnCompApply> {
public:
    using QnPp::QnPp;
    PpQnCompApply(const QnPp<QnCompApply>& other) : QnPp(other) {}
    PpQnCompApply(const PpQnComp& f, const PpQnComp& x);
};
