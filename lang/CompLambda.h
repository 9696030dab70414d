// A lambda term of one variable. Compiling it makes a combinator whose
// leading parameters are the body's maximal free expressions and whose last
// is the variable; the application of the combinator to those expressions
// is then compiled where the lambda stood.
#pragma once

#include "lang/Comp.h"
#include "lang/CompVar.h"
#include "lang/MfeContext.h"
#include "lang/Program.h"
#include "lang/VarContext.h"

class QnCompLambda : public QnComp {
public:
    PpQnCompVar Var() const { return PpQnCompVar(var_); }
    PpQnComp Body() const { return PpQnComp(body_); }
    QnComp* BodyPtr() const { return body_; }

protected:
    void MarkFixedObjects(Visitor visit) override;

private:
    friend struct ::QnObjCreator;
    friend class QnLambdaStep;
    QnCompLambda(QnCompVar* v, QnComp* body) : var_(v), body_(body) {}

    // The body and then the combinator's application, on an explicit stack
    // (CompileWalk.h) through QnLambdaStep.
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

// The compile step of one lambda in two halves, so that a caller can compile
// the body in between without recursion: the constructor puts the variable
// in scope and makes the program and the parameter array that the body is
// compiled with; Finish leaves the scope, writes the combinator and gives
// either the lambda's result or the term that stands for the lambda, to be
// compiled in the enclosing contexts. The destructor leaves the scope when
// Finish did not (the body raised).
class QnLambdaStep {
public:
    QnLambdaStep(const QnCompLambda& lambda, QnVarContext& vars);
    ~QnLambdaStep();
    QnLambdaStep(const QnLambdaStep&) = delete;
    QnLambdaStep& operator=(const QnLambdaStep&) = delete;

    // The maximal free expressions of the body are recorded here.
    QnMfeArray& Params() { return params_; }
    // True with the lambda's result; false with next, the combinator
    // applied to what it needs, to be compiled where the lambda stood.
    bool Finish(const QnCompiled& body, QnCompiled& result, PpQnComp& next);

private:
    void LeaveScope();

    QnVarContext& vars_;
    QnVarDsc outer_;
    int32_t index_;
    bool inScope_ = true;
    PpQnCompVar x_;
    PpQnProgram program_;
    QnMfeArray params_;
};
