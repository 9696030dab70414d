// The compiler's variable scope: one descriptor for the variable of every
// lambda that encloses the point of compilation, and the innermost one.
#pragma once

#include "lang/Array.h"
#include "lang/CompVar.h"

struct QnVarDsc {
    PpQnCompVar var;
    int32_t depth = 0; // 1 for the outermost lambda's variable
};

class QnVarContext : public QnArray_<QnVarDsc> {
public:
    QnVarContext() : QnArray_<QnVarDsc>(16) {}

    QnVarDsc current; // the innermost lambda's; {null, 0} outside every lambda
};
