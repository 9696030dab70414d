#include "lang/FlVal.h"

#include "lang/FlInt.h"
#include "lang/FlString.h"

int QnFlVal::Compare(const PpQnFlVal&) const { return 0; }

PpQnFlVal::PpQnFlVal(int32_t value) : QnPp(PpQnFlInt(value)) {}

PpQnFlVal::PpQnFlVal(const char* text) : QnPp(PpQnFlString(text)) {}
