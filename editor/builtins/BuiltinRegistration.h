// One-time registration of an editor built-in: the first caller makes the
// function and enters it in the registry, under the slot's own lock, and
// every caller gets the same id. Built-ins may be registered from any thread
// that builds expressions.
#pragma once

#include <mutex>

#include "lang/Fun.h"
#include "lang/FunId.h"

// Every argument of the editor's built-ins is strict.
int AlwaysOnePredicate(int i, int n);

class BuiltinSlot {
public:
    BuiltinSlot(PpQnFun::Proc proc, int arity) : proc_(proc), arity_(arity) {}
    BuiltinSlot(const BuiltinSlot&) = delete;
    BuiltinSlot& operator=(const BuiltinSlot&) = delete;

    // The function's id, registered on the first call.
    QnFunId Id();

private:
    std::mutex mutex_;
    QnFunId id_;
    PpQnFun::Proc proc_;
    int arity_;
};
