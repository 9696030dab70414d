#include "lang/FlInt.h"

int QnFlInt::Compare(const PpQnFlVal& other) const
{
    const int32_t theirs = static_cast<const QnFlInt*>(other.Get())->value_;
    return value_ < theirs ? -1 : value_ > theirs ? 1 : 0;
}

PpQnFlInt::PpQnFlInt(int32_t value) : QnPp(QnCreate<QnFlInt>(value)) {}
