// The maximal free expressions of the lambda being compiled: subterms of
// its body that hold variables of enclosing lambdas but not its own. Each
// becomes a leading parameter of the lambda's combinator, in slot order.
#pragma once

#include "lang/Array.h"
#include "lang/CompVar.h"

struct QnMfeDsc {
    PpQnComp term;    // the rewritten subterm
    PpQnCompVar var;  // what stands for it inside the body
    int32_t level = 0;
};

class QnMfeArray : public QnArray_<QnMfeDsc> {
public:
    QnMfeArray() : QnArray_<QnMfeDsc>(16) {}
};

class QnMfeContext {
public:
    explicit QnMfeContext(QnMfeArray& mfes) : mfes_(&mfes) {}

    // The variable of term: the one recorded for an equal term (whose level
    // stays), else a new variable recorded with term and level.
    PpQnCompVar AddMfe(const PpQnComp& term, int level) const;
    QnMfeArray& Array() const { return *mfes_; }

private:
    QnMfeArray* mfes_;
};
