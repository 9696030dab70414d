// Errors of the expression language, and the user abort of an evaluation,
// which callers catch apart from the other errors.
#pragma once

#include "base/QnExcept.h"

class QnLangExcept : public QnExcept {
public:
    QnLangExcept(const char* text, const char* file, int line);
    QnLangExcept(const QnLangExcept&) = default;
    QnLangExcept& operator=(const QnLangExcept&) = default;

    // raise() (the base's) calls handle_raise() and then this, which throws a
    // copy of the object's own class.
    [[noreturn]] void do_raise() override;

protected:
    QnLangExcept() = default;
};

// Its texts are the library's messages "Evaluation aborted by user" and
// "Evaluation machine"; it stores none of its own.
class QnLangUserAbortExcept : public QnLangExcept {
public:
    QnLangUserAbortExcept() = default;
    QnLangUserAbortExcept(const QnLangUserAbortExcept&) = default;
    QnLangUserAbortExcept& operator=(const QnLangUserAbortExcept&) = default;

    [[noreturn]] void do_raise() override;
    const char* what() const noexcept override;
    const char* where() const override;
};
