// The 24 built-ins every process has under the ids 1 to 24 of FunId.h:
// integer arithmetic and comparison, logic, selection, tuples and the fixed
// point. Its one static instance registers them at the library's load, in id
// order, before any other code can register a function.
#pragma once

#include "lang/Expr.h"

#include <cstdint>

class QnEvalControl;

class QnInitStandardBiFun {
public:
    static QnInitStandardBiFun initializer;

    QnInitStandardBiFun& operator=(const QnInitStandardBiFun&) = default;
    // The number of built-ins the initializer registered.
    int32_t GetCount() const { return count_; }

private:
    QnInitStandardBiFun();

    static int AllArgsStrict(int i, int n);
    static int NoArgsStrict(int i, int n);
    static int FirstArgStrict(int i, int n);

    static PpQnExpr AddProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr SubProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr MulProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr DivProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr ModProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr DivModProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr IdProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr NegProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr NotProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr EqProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr NeProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr GtProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr LtProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr GeProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr LeProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr LNotProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr AndProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr OrProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr EquivProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr SelectProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr IfProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr TupleProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr ElementProc(QnMachineContext& m, int n, QnEvalControl* ctl);
    static PpQnExpr YProc(QnMachineContext& m, int n, QnEvalControl* ctl);

    int32_t count_ = 0;
};
