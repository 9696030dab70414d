#include "base/QnExcept.h"

#include <atomic>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>

namespace {
std::atomic<QnExcept::RaiseHook> raiseHook{nullptr};
}

QnExcept::QnExcept(const char* text, const char* file, int line)
{
    settext(text);
    setwhere(file, line);
}

void QnExcept::do_raise() { throw *this; }

const char* QnExcept::what() const noexcept { return text_.c_str(); }

const char* QnExcept::where() const { return where_.c_str(); }

void QnExcept::settext(const char* text) { text_ = text ? text : ""; }

void QnExcept::setwhere(const char* file, int line)
{
    where_ = file ? file : "";
    if (line > 0) {
        where_ += ", line ";
        where_ += std::to_string(line);
    }
}

void QnExcept::setwheretext(const char* text) { where_ = text ? text : ""; }

void QnExcept::handle_raise()
{
    if (RaiseHook hook = raiseHook.load())
        hook(*this);
}

void QnExcept::raise()
{
    handle_raise();
    do_raise();
    std::terminate(); // an override of do_raise that returns breaks the protocol
}

QnExcept::RaiseHook QnExcept::SetRaiseHook(RaiseHook hook) { return raiseHook.exchange(hook); }

std::string QnTypeName(const std::type_info& type)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    return status == 0 && name ? std::string(name.get()) : std::string(type.name());
}

QnCastExcept::QnCastExcept(const std::type_info& from, const std::type_info& to, const char* file, int line)
    : QnExcept(("Bad cast from " + QnTypeName(from) + " to " + QnTypeName(to)).c_str(), file, line)
{
}

void QnCastExcept::do_raise() { throw *this; }
void QnTypeIdExcept::do_raise() { throw *this; }
void QnRangeExcept::do_raise() { throw *this; }
