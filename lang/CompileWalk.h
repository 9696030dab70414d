// The compiler's walk over a term, on an explicit stack of its own rather
// than the processor's: a term nested a million deep compiles as a shallow
// one does, and a term too large for memory raises the language's error
// (message 256) instead of overflowing the stack.
#pragma once

#include "lang/Comp.h"

#include <new>

class QnCompileWalk {
public:
    // Compiles t in the scope vars, recording maximal free expressions in
    // mfes, as QnComp::Compile does: status 0 sets expr, 1 and 2 set term.
    static QnComp::COMPSTAT Run(const PpQnComp& t, PpQnExpr& expr, PpQnComp& term, QnMfeArray& mfes,
                                QnVarContext& vars);

    // Runs work; a failed allocation inside becomes message 256.
    template <class Work>
    static void Guard(Work&& work)
    {
        try {
            work();
        } catch (const std::bad_alloc&) {
            RaiseTooLarge();
        }
    }

private:
    [[noreturn]] static void RaiseTooLarge();
};
