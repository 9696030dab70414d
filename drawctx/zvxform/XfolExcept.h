// Errors of the transform library, thrown by value.
#pragma once

#include "base/QnExcept.h"

// A transform that cannot be represented: a degenerate map.
class xfol_overflow : public QnExcept {
public:
    xfol_overflow(const char* file, int line) : QnExcept("Transformation overflow", file, line) {}
    [[noreturn]] void do_raise() override { throw *this; }

protected:
    xfol_overflow(const char* text, const char* file, int line) : QnExcept(text, file, line) {}
};

// A value met while comparing or shifting transforms that does not fit the
// type it must be cast to.
class xfol_castoverflow : public xfol_overflow {
public:
    xfol_castoverflow(const char* file, int line) : xfol_overflow("Transformation cast overflow", file, line) {}
    [[noreturn]] void do_raise() override { throw *this; }
};
