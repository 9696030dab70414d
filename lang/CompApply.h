// An application term of one term to another.
#pragma once

#include "lang/Comp.h"

class QnCompApply : public QnComp {
public:
    PpQnComp Function() const { return PpQnComp(function_); }
    PpQnComp Argument() const { return PpQnComp(argument_); }
    QnComp* FunctionPtr() const { return function_; }
    QnComp* ArgumentPtr() const { return argument_; }

    // The result of an application from the results of its two parts: a
    // part that holds only outer variables becomes a maximal free
    // expression of mfes where it meets a part that holds the innermost
    // lambda's variable.
    static QnCompiled Combine(const QnCompiled& f, const QnCompiled& x, const QnMfeContext& mfes);

protected:
    void MarkFixedObjects(Visitor visit) override;

private:
    friend struct ::QnObjCreator;
    QnCompApply(QnComp* f, QnComp* x) : function_(f), argument_(x) {}

    // Compiles the parts and combines them, on an explicit stack
    // (CompileWalk.h): terms may nest deeper than the processor stack goes.
    COMPSTAT Compile(PpQnExpr& expr, PpQnComp& term, const QnMfeContext& mfes, QnVarContext& vars) override;
    // Function, argument, OP_APPLY; nested applications on an explicit stack.
    void GenerateCode(const PpQnProgram& program, const QnMfeArray& parameters, int depth) const override;
    nodeid NodeId() const override { return NODE_APPLY; }
    // The other is an application with equal function and equal argument
    // (functions first; arguments only when the functions are equal),
    // compared on an explicit stack.
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
