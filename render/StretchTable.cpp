#include "render/StretchTable.h"

#include "render/WideInt.h"

void QnFillRoughTable(int32_t* table, int32_t x0, int32_t count, const QnXForm& inverse)
{
    if (count <= 0)
        return;
    const QnWide a = inverse.anum(), b = inverse.bnum(), den = inverse.den();
    // The first value by one floor division; each step then adds a / den as
    // a whole part and a remainder, carrying one when the remainder fills.
    const QnWide num = a * x0 + QnFloorDiv(a, 2) + b;
    QnWide value = QnFloorDiv(num, den);
    QnWide rem = num - value * den;
    const QnWide step = QnFloorDiv(a, den);
    const QnWide stepRem = a - step * den;
    for (int32_t i = 0; i < count; ++i) {
        table[i] = QnSaturateInt32(value);
        value += step;
        rem += stepRem;
        if (rem >= den) {
            rem -= den;
            ++value;
        }
    }
}

int32_t QnGetStrOpt(const QnXForm& map, int options)
{
    const int64_t a = map.anum() < 0 ? -int64_t(map.anum()) : int64_t(map.anum());
    const int64_t den = map.den();
    int nibble;
    if (a == den)
        nibble = (options & 0xF0) >> 4;
    else if (den < a)
        nibble = (options & 0xF00) >> 8;
    else
        nibble = options & 0xF;
    return nibble == 1 || nibble == 2 ? nibble : 0;
}
