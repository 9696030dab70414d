// The exception family of the base library. Every error of the suite is a
// QnExcept (or a subclass) carrying its message text and where it was raised.
#pragma once

#include <exception>
#include <string>
#include <typeinfo>

class QnExcept : public std::exception {
public:
    using Str = std::string;

    QnExcept() = default;
    QnExcept(const char* text, const char* file, int line);
    QnExcept(const QnExcept&) = default;
    QnExcept& operator=(const QnExcept&) = default;
    ~QnExcept() override = default;

    // Throws a copy of this object of its own dynamic class.
    [[noreturn]] virtual void do_raise();
    const char* what() const noexcept override;
    virtual const char* where() const;

    void settext(const char* text);
    void setwhere(const char* file, int line);
    // Sets the where-text as it stands (for exceptions whose origin is a name,
    // not a source line).
    void setwheretext(const char* text);

    // Called on an exception object just before a copy of it is thrown.
    void handle_raise();
    // handle_raise() and then do_raise().
    [[noreturn]] void raise();

    // A hook that sees every exception handed to handle_raise(): tests and
    // diagnostics install one; null (the default) does nothing.
    using RaiseHook = void (*)(const QnExcept&);
    static RaiseHook SetRaiseHook(RaiseHook hook);

protected:
    Str text_;
    Str where_;
};

// A value is not of the class that a cast requires.
class QnCastExcept : public QnExcept {
public:
    QnCastExcept(const std::type_info& from, const std::type_info& to, const char* file, int line);
    QnCastExcept(const QnCastExcept&) = default;
    QnCastExcept& operator=(const QnCastExcept&) = default;
    [[noreturn]] void do_raise() override;
};

// A class was asked for by type that nothing knows how to make.
class QnTypeIdExcept : public QnExcept {
public:
    QnTypeIdExcept() = default;
    QnTypeIdExcept(const char* text, const char* file, int line) : QnExcept(text, file, line) {}
    [[noreturn]] void do_raise() override;
};

// An index out of range; raised without text.
class QnRangeExcept : public QnExcept {
public:
    QnRangeExcept() = default;
    QnRangeExcept(const char* file, int line) : QnExcept("", file, line) {}
    [[noreturn]] void do_raise() override;
};

// Readable name of a type ("QnFlInt" rather than its mangled form).
std::string QnTypeName(const std::type_info& type);
