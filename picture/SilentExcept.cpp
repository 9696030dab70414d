#include "picture/SilentExcept.h"

void QnSilentExcept::do_raise() { throw *this; }

const char* QnSilentExcept::where() const { return ""; }
