// The scratch stack on which a combinator's program builds its reduct out
// of constants and argument expressions. Each machine owns one.
#pragma once

#include "lang/Expr.h"

#include <cstdint>
#include <vector>

class QnTmpExprStack {
public:
    explicit QnTmpExprStack(uint32_t growth = 16);
    QnTmpExprStack(const QnTmpExprStack&) = delete;
    QnTmpExprStack& operator=(const QnTmpExprStack&) = delete;

    void Push(const PpQnExpr& e);
    void Push(PpQnExpr&& e);
    // Drops the top entry; its lock goes with it.
    void Pop();
    // The entry at depth i from the top (1 = top); QnRangeExcept for 0 or
    // beyond the bottom.
    PpQnExpr& Get(int32_t i);
    uint32_t GetCount() const { return uint32_t(entries_.size()); }
    // Drops entries down to count entries (a run that failed half-way).
    void Truncate(uint32_t count);

    // Pops the argument, then the function, and pushes their shared
    // application; fewer than two entries raise message 13 and leave the
    // stack as it was.
    void MakeApp();

private:
    uint32_t growth_;
    std::vector<PpQnExpr> entries_;
};
