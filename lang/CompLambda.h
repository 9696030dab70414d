// A lambda term of one variable. Compiling it makes a combinator whose
// leading parameters are the body's maximal free expressions and whose last
// is the variable; the application of the combinator to those expressions
// is then compiled where the lambda stood.
#pragma once

#include "lang/Comp.h"
#include "lang/CompVar.h"

class QnCompLambda : public QnComp {
public:
    PpQnCompVar Var() const { return PpQnCompVar(var_); }
    PpQnComp Body() const { return PpQnComp(body_); }

protected:
    void MarkFixedObjects(Visitor visit) override;

private:
    friend struct ::QnObjCreator;
    QnCompLambda(QnCompVar* v, QnComp* body) : var_(v), body_(body) {}

    COMPSTAT Compile(PpQnExpr& expr, PpQnComp& term, const QnMfeContext& mfes, QnVarContext& vars) override;
    // Never reached: a lambda's compile step delivers no lambda. Message 10.
    void GenerateCode(const PpQnProgram& program, const QnMfeArray& parameters, int depth) const override;
    nodeid NodeId() const override { return NODE_LAMBDA; }
    // Lambdas are not compared: message 11.
    int IsEqualTo(const PpQnComp& other) const override;

    QnCompVar* var_;
    QnComp* body_;
};

class PpQnCompLambda : public QnPp<QnCompLambda> {
public:
    using QnPp::QnPp;
    PpQnCompLambda(const QnPp<QnCompLambda>& other) : QnPp(other) {}
    PpQnCompLambda(const PpQnCompVar& v, const PpQnComp& body);
};
