// The code of a combinator: a short list of words that build the reduct
// from constants and arguments, and the pool of constant nodes they name.
// The constants are fixed links, so a live program keeps them alive.
#pragma once

#include "lang/Expr.h"

#include <cstdint>
#include <vector>

// The code words; an operand word follows OP_CONST and OP_ARG.
enum QnProgramOp : uint32_t {
    OP_CONST = 1,  // push constant k
    OP_ARG = 2,    // push argument p + 1 (p 0-based, in order of application)
    OP_APPLY = 3,  // pop the argument, pop the function, push the application
    OP_RETURN = 4, // pop the top entry: it is the reduct
};

class QnProgram : public QnObj {
public:
    void AddCode(uint32_t w);
    void AddCode(uint32_t w1, uint32_t w2);
    // Word i; QnRangeExcept at or past the end.
    uint32_t GetCode(uint32_t i) const;
    uint32_t GetCodeCount() const { return uint32_t(code_.size()); }

    // The index of e's node in the pool, added at the end when it is not
    // there yet (identity, not equality).
    uint32_t AddConstant(const PpQnExpr& e);
    // Constant i; QnRangeExcept at or past the end.
    PpQnExpr GetConstant(uint32_t i) const;
    uint32_t GetConstantCount() const;

protected:
    void MarkFixedObjects(Visitor visit) override;

private:
    friend struct ::QnObjCreator;
    QnProgram() = default;

    std::vector<uint32_t> code_;
    std::vector<QnExpr*> constants_; // read by the collector: change under QnLockGc
};

class PpQnProgram : public QnPp<QnProgram> {
public:
    enum EP { NEW };
    using QnPp::QnPp;
    PpQnProgram(const QnPp<QnProgram>& other) : QnPp(other) {}
    // A new empty program.
    explicit PpQnProgram(EP);
};
