#include "lang/CompileFlExpr.h"

#include "lang/LangExcept.h"
#include "lang/LangRcStr.h"
#include "lang/MfeContext.h"
#include "lang/VarContext.h"

PpQnExpr QnCompileFlExpr(const PpQnComp& term)
{
    // Compilations on other threads, and their collections, wait.
    QnLockGc gc;
    QnMfeArray mfes;
    QnVarContext vars;
    PpQnExpr expr;
    PpQnComp rewritten;
    const QnComp::COMPSTAT s = QnComp::Compile(term, expr, rewritten, QnMfeContext(mfes), vars);
    if (s.status != QnComp::STAT_CLOSED)
        QN_LANG_RAISE(QN_LANG_UNBOUND_VARIABLES, "Flcompil", 26);
    return expr;
}
