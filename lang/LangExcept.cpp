#include "lang/LangExcept.h"

#include "lang/LangRcStr.h"

#include <exception>
#include <string>

QnLangExcept::QnLangExcept(const char* text, const char* file, int line) : QnExcept(text, file, line) {}

void QnLangExcept::do_raise() { throw *this; }

void QnLangUserAbortExcept::do_raise() { throw *this; }

const char* QnLangUserAbortExcept::what() const noexcept
{
    // Kept for the process: what() hands out a pointer that must outlive it.
    static const std::string text = QnLangRcStr()(QN_LANG_USER_ABORT);
    return text.c_str();
}

const char* QnLangUserAbortExcept::where() const
{
    static const std::string text = QnLangRcStr()(QN_LANG_USER_ABORT_WHERE);
    return text.c_str();
}
