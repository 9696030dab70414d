// A variable term, known by its object alone: two variables are never the
// same, whatever they were made from.
#pragma once

#include "lang/Comp.h"

class QnCompVar : public QnComp {
public:
    using VAR = QnCompVarTag;
    using enum QnCompVarTag;

private:
    friend struct ::QnObjCreator;
    QnCompVar() = default;

    // Status 2 for the innermost lambda's variable, 1 at its binding depth
    // for an enclosing one's; unbound raises message 9.
    COMPSTAT Compile(PpQnExpr& expr, PpQnComp& term, const QnMfeContext& mfes, QnVarContext& vars) override;
    // OP_ARG of the parameter that stands for the variable.
    void GenerateCode(const PpQnProgram& program, const QnMfeArray& parameters, int depth) const override;
    nodeid NodeId() const override { return NODE_VAR; }
    int IsEqualTo(const PpQnComp& other) const override { return other.Get() == this; }
};

class PpQnCompVar : public QnPp<QnCompVar> {
public:
    using QnPp::QnPp;
    PpQnCompVar(const QnPp<QnCompVar>& other) : QnPp(other) {}
    // A new variable.
    explicit PpQnCompVar(QnCompVar::VAR);
};
