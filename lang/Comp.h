// Lambda terms: the form in which callers describe a function of the
// language for the compiler (CompileFlExpr.h) to turn into combinators.
// Four kinds: constants (graph nodes), variables, one-variable lambdas and
// applications. Terms never change once made; the compiler builds new ones.
#pragma once

#include "lang/Expr.h"
#include "lang/FunId.h"

#include <cstdint>

class QnMfeContext;
class QnMfeArray;
class QnVarContext;
class PpQnComp;
class PpQnCompVar;
class PpQnProgram;
class PpQnFlVal;
class PpQnFun;

// The argument of the variable constructors (QnCompVar::VAR); its value is
// not read: every construction makes a new variable.
enum class QnCompVarTag : int32_t { NEW_VAR = 0 };

class QnComp : public QnObj {
public:
    enum nodeid : int32_t { NODE_CONST = 1, NODE_VAR = 2, NODE_LAMBDA = 3, NODE_APPLY = 4 };

    // What compiling a term found.
    enum STATUS : int32_t {
        STAT_CLOSED = 0, // no variable: an expression node was delivered
        STAT_FREE = 1,   // variables of enclosing lambdas only: a rewritten term
        STAT_BOUND = 2,  // the innermost lambda's variable: a rewritten term
    };
    struct COMPSTAT {
        COMPSTAT() {}
        COMPSTAT(STATUS s, int l) : status(s), level(l) {}
        // A term of status STAT_FREE whose deepest variable is bound at level.
        explicit COMPSTAT(int l) : status(STAT_FREE), level(l) {}

        STATUS status;
        int32_t level; // STAT_FREE: the greatest binding depth of its variables
    };

protected:
    QnComp() = default;
    QnComp(const QnComp&) : QnObj() {}
    QnComp& operator=(const QnComp&) { return *this; }

    // The entry points to the kinds' operations: each marks the (first)
    // term used first.
    static COMPSTAT Compile(const PpQnComp& t, PpQnExpr& expr, PpQnComp& term, const QnMfeContext& mfes,
                            QnVarContext& vars);
    static void GenerateCode(const PpQnComp& t, const PpQnProgram& program, const QnMfeArray& parameters,
                             int depth);
    static nodeid GetNodeId(const PpQnComp& t);
    // Same object, or equal by the first term's IsEqualTo.
    static int AreEqual(const PpQnComp& a, const PpQnComp& b);

private:
    friend class QnMfeContext;
    friend class QnCompileWalk;
    friend class QnLambdaStep;
    friend PpQnExpr QnCompileFlExpr(const PpQnComp& term);

    // Status 0 sets expr, 1 and 2 set term.
    virtual COMPSTAT Compile(PpQnExpr& expr, PpQnComp& term, const QnMfeContext& mfes, QnVarContext& vars) = 0;
    virtual void GenerateCode(const PpQnProgram& program, const QnMfeArray& parameters, int depth) const = 0;
    virtual nodeid NodeId() const = 0;
    virtual int IsEqualTo(const PpQnComp& other) const = 0;
};

class PpQnComp : public QnPp<QnComp> {
public:
    using QnPp::QnPp;
    PpQnComp(const QnPp<QnComp>& other) : QnPp(other) {}

    // Constants, through the shared expression factories.
    explicit PpQnComp(const PpQnExpr& e);
    explicit PpQnComp(const PpQnFlVal& v);
    PpQnComp(int n, const PpQnExpr* elements);
    PpQnComp(QnFunId id, int arity);
    PpQnComp(const PpQnFun& f, int arity);
    PpQnComp(const PpQnExpr& f, const PpQnExpr& x);
    // A new variable (the argument is not read).
    explicit PpQnComp(QnCompVarTag var);
    // A lambda binding v in body.
    PpQnComp(const PpQnCompVar& v, const PpQnComp& body);
    // An application of f to x.
    PpQnComp(const PpQnComp& f, const PpQnComp& x);
};

// What compiling one term delivered: its status with the node (status 0) or
// the rewritten term (statuses 1 and 2).
struct QnCompiled {
    QnComp::COMPSTAT stat{QnComp::STAT_CLOSED, 0};
    PpQnExpr expr;
    PpQnComp term;
};
