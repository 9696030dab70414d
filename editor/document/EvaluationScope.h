// Marks the time an evaluation of a document runs. Its progress display lets
// events through, so what could close or reopen a document (hand-overs from
// other programs, dropped files, posted commands) asks whether one runs and
// waits for the end, which the hook announces.
#pragma once

#include <functional>

class LdEvaluationScope {
public:
    LdEvaluationScope();
    ~LdEvaluationScope();
    LdEvaluationScope(const LdEvaluationScope&) = delete;
    LdEvaluationScope& operator=(const LdEvaluationScope&) = delete;

    static bool Running();
    // Called when the outermost evaluation has ended.
    static void SetEndHook(std::function<void()> hook);
};
