// Errors of the drawing library, thrown by value.
#pragma once

#include "base/QnExcept.h"

// A drawing context made without a picture, or a palette without memory.
class bltbadparams : public QnExcept {
public:
    bltbadparams(const char* file, int line) : QnExcept("Bad drawing parameters", file, line) {}
    [[noreturn]] void do_raise() override { throw *this; }
};

// The dithering tables of a draw could not be had.
class zvdrawerror : public QnExcept {
public:
    zvdrawerror(const char* file, int line) : QnExcept("Cannot get the dithering tables", file, line) {}
    [[noreturn]] void do_raise() override { throw *this; }
};
