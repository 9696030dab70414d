// A node of the shared expression graph. Nodes link each other by plain
// pointers that they report to the collector; only handles lock. Equal nodes
// are one node: nodes are made only through the factories of their handles,
// which look for an equal node in a sharing table first.
#pragma once

#include "gc/QnGc.h"
#include "lang/FunId.h"

class ExprTableEntry;
class QnMachineContext;
struct QnEvalState;
class PpQnExpr;
class PpQnValueExpr;
class PpQnTupleExpr;
class PpQnFlVal;
class PpQnFun;

class QnExpr : public QnObj {
public:
    virtual int IsValue() const { return 0; }
    virtual int IsTuple() const { return 0; }
    // The node as a value or tuple node; a node of another kind raises
    // message 1 or 2. A cast never evaluates.
    virtual PpQnValueExpr CastToValue();
    virtual PpQnTupleExpr CastToTuple();
    // The history when set, else the node itself.
    virtual PpQnExpr GetHistory();
    // One step of the machine's walk down an application spine.
    virtual PpQnExpr MakeEvalStep(QnMachineContext& m, QnEvalState& state) = 0;

    // The application that first produced this node, written once by the
    // machine (for a computed unique value) or by the fixed-point built-in.
    QnExpr* History() const { return history_; }
    void SetHistory(QnExpr* history);
    // The node's entry in a list table (tuples, function expressions).
    ExprTableEntry* Entry() const { return entry_; }

protected:
    QnExpr() = default;
    QnExpr(const QnExpr&) = delete;
    QnExpr& operator=(const QnExpr&) = delete;

    void MarkFixedObjects(Visitor visit) override;

private:
    friend class ExprTable;

    ExprTableEntry* entry_ = nullptr;
    QnExpr* history_ = nullptr;
};

// A handle on a node of any kind. Its constructors from a value, a tuple's
// elements, two expressions or a function are the sharing factories.
class PpQnExpr : public QnPp<QnExpr> {
public:
    using QnPp::QnPp;
    PpQnExpr(const QnPp<QnExpr>& other) : QnPp(other) {}
    // The value node of value (shared unless the value is unique).
    explicit PpQnExpr(const PpQnFlVal& value);
    // The tuple of n elements; elements[n-1] becomes element 0.
    PpQnExpr(int n, const PpQnExpr* elements);
    // The application of l to r.
    PpQnExpr(const PpQnExpr& l, const PpQnExpr& r);
    // The function node of the registered function id with arity n (-1: the
    // function's own).
    PpQnExpr(QnFunId id, int n);
    PpQnExpr(const PpQnFun& f, int n);
};
