#include "editor/builtins/CheckedCast.h"

#include "lang/Expr.h"
#include "lang/ValueExpr.h"

PpQnFlVal QnValueOf(const PpQnExpr& evaluated)
{
    return evaluated->CastToValue()->Value();
}
