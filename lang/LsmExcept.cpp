#include "lang/LsmExcept.h"

QnLsmExcept::QnLsmExcept(const char* text, const char* file, int line) : QnExcept(text, file, line) {}

void QnLsmExcept::do_raise() { throw *this; }
