// Compiles a closed lambda term into one node of the shared expression
// graph: closed subterms become shared nodes, every lambda a new
// combinator. Each call makes new combinators, also for a term compiled
// before. An unbound variable raises message 9.
#pragma once

#include "lang/Comp.h"

PpQnExpr QnCompileFlExpr(const PpQnComp& term);
