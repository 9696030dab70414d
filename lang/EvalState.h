// The machine's step state, of which the nodes write the kind, the function
// heading the spine and the pending application.
#pragma once

#include "lang/ApplyExpr.h"
#include "lang/Fun.h"

struct QnEvalState {
    enum Kind : int {
        KIND_STEP = 0,     // the current expression must be stepped
        KIND_FUNCTION = 1, // a function heads the spine
        KIND_VALUE = 2,    // a value or tuple was reached
    };
    int kind = KIND_STEP;
    PpQnFun function;
    PpQnApplyExpr pending;
};
