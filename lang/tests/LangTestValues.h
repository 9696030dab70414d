// Small values and functions shared by the expression tests.
#pragma once

#include "lang/BiFun.h"
#include "lang/Expr.h"
#include "lang/FlInt.h"
#include "lang/FlString.h"
#include "lang/LangExcept.h"

#include <string>

// A value that is never shared.
class UniqueVal : public QnFlVal {
protected:
    friend struct ::QnObjCreator;
    UniqueVal() : QnFlVal(1) {}
};

// Two classes whose Compare calls everything equal.
class AllEqualA : public QnFlVal {
public:
    int Compare(const PpQnFlVal&) const override { return 0; }

protected:
    friend struct ::QnObjCreator;
    AllEqualA() : QnFlVal(0) {}
};
class AllEqualB : public AllEqualA {
protected:
    friend struct ::QnObjCreator;
    AllEqualB() = default;
};

inline PpQnExpr IntNode(int32_t v) { return PpQnExpr(PpQnFlVal(v)); }

inline PpQnExpr NoProc(QnMachineContext&, int, QnEvalControl*) { return PpQnExpr(); }

// The message text and where-text of the language error f raises.
template <class F>
std::string LangError(F f)
{
    try {
        f();
    } catch (const QnLangExcept& e) {
        return std::string(e.what()) + " @ " + e.where();
    }
    return "(nothing raised)";
}
