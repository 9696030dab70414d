#include "editor/document/EvaluationScope.h"

namespace {

int depth = 0;

std::function<void()>& EndHook()
{
    static std::function<void()> hook;
    return hook;
}

}  // namespace

LdEvaluationScope::LdEvaluationScope()
{
    ++depth;
}

LdEvaluationScope::~LdEvaluationScope()
{
    if (--depth == 0 && EndHook())
        EndHook()();
}

bool LdEvaluationScope::Running()
{
    return depth > 0;
}

void LdEvaluationScope::SetEndHook(std::function<void()> hook)
{
    EndHook() = std::move(hook);
}
