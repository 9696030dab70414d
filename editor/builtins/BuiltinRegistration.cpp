#include "editor/builtins/BuiltinRegistration.h"

#include "lang/BiFun.h"

int AlwaysOnePredicate(int, int)
{
    return 1;
}

QnFunId BuiltinSlot::Id()
{
    std::lock_guard lock(mutex_);
    if (id_ == 0)
        id_ = QnFun::RegisterFun(PpQnBiFun(proc_, AlwaysOnePredicate, arity_));
    return id_;
}
