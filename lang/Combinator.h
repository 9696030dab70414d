// A function made by the compiler: applied to its arguments it runs its
// program, which builds the reduct as a new graph without evaluating
// anything. No argument is strict.
#pragma once

#include "lang/Fun.h"
#include "lang/Program.h"

class QnCombinator : public QnFun {
public:
    PpQnExpr Apply(QnMachineContext& m, int n, QnEvalControl* ctl) const override;
    int GetArity() const override { return arity_; }
    int IsArgStrict(int, int) const override { return 0; }

    PpQnProgram Program() const;

protected:
    void MarkFixedObjects(Visitor visit) override;

private:
    friend struct ::QnObjCreator;
    // arity < 1 raises message 8.
    QnCombinator(const PpQnProgram& program, int arity);

    int32_t arity_;
    QnProgram* program_;
};

class PpQnCombinator : public QnPp<QnCombinator> {
public:
    using QnPp::QnPp;
    PpQnCombinator(const QnPp<QnCombinator>& other) : QnPp(other) {}
    // A new combinator of arity running program.
    PpQnCombinator(const PpQnProgram& program, int arity);
};
