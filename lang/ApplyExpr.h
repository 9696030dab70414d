// The application of one expression to another. It caches the result of its
// reduction (the reduct) as a discardable link, which the collector drops
// under memory pressure and the machine then computes again, and links to
// its canonical application, the one through which equal redexes built from
// different nodes find one cached result.
#pragma once

#include "lang/Expr.h"

class PpQnApplyExpr;

class QnApplyExpr : public QnExpr {
public:
    PpQnExpr MakeEvalStep(QnMachineContext& m, QnEvalState& state) override;

    PpQnExpr Left() const;
    PpQnExpr Right() const;
    QnExpr* LeftPtr() const { return left_; }
    QnExpr* RightPtr() const { return right_; }

    // Reduct and canonical application, read and written under the
    // collector's lock since a collection may clear the reduct.
    PpQnExpr GetReduct() const;
    // The reduct without a handle: read it under QnLockGc.
    QnExpr* ReductPtr() const { return reduct_; }
    void SetReduct(QnExpr* reduct);
    PpQnApplyExpr GetCanonical() const;
    // The canonical application without a handle: a fixed link, alive
    // while this node is.
    QnApplyExpr* CanonicalPtr() const { return canonical_; }
    void SetCanonical(QnApplyExpr* canonical);

    // Rebuilds f a1 ... an, where args[n-1] is a1 (applied directly to f)
    // and apps[i] is the existing application that applied args[i]. Existing
    // nodes are taken while they match from the inside out; after the first
    // mismatch the shared factory makes the rest. useHistory: each argument
    // is replaced by its history first. n = 0 gives a null handle.
    static PpQnApplyExpr MakeApplyTree(const PpQnExpr& f, PpQnExpr* args, PpQnApplyExpr* apps, uint32_t n,
                                       int useHistory);
    // The shared application of l to r (the factory of PpQnApplyExpr):
    // the caller keeps both reachable from a locked object meanwhile.
    static QnPp<QnApplyExpr> MakeShared(QnExpr* l, QnExpr* r);

protected:
    void MarkFixedObjects(Visitor visit) override;
    void MarkDiscardableObjects(Visitor visit) override;
    void NoteObjectDiscarded(QnObj* obj) override;

private:
    friend struct ::QnObjCreator;
    // The fixed-point built-in makes an application whose argument is the
    // node itself, and enters it in the application table on its own.
    friend class QnInitStandardBiFun;
    friend void QnForgetReduct(const PpQnExpr& e);
    QnApplyExpr(QnExpr* l, QnExpr* r) : left_(l), right_(r) {}

    QnExpr* left_;
    QnExpr* right_;
    QnExpr* reduct_ = nullptr;
    QnApplyExpr* canonical_ = nullptr;
};

// Drops the cached result of e (an application; anything else is left as
// it is) and of its canonical twin, so that what only that cache held may
// go. The machine computes it again if it is ever asked for.
void QnForgetReduct(const PpQnExpr& e);

class PpQnApplyExpr : public QnPp<QnApplyExpr> {
public:
    using QnPp::QnPp;
    PpQnApplyExpr(const QnPp<QnApplyExpr>& other) : QnPp(other) {}
    // The shared application of l to r.
    PpQnApplyExpr(const PpQnExpr& l, const PpQnExpr& r);
};
