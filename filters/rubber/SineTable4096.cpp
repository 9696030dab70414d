#include "filters/rubber/SineTable4096.h"

#include <cmath>
#include <new>

bool SineTable4096::Build()
{
    table_.reset(new (std::nothrow) int32_t[kEntries]);
    if (!table_)
        return false;
    for (int32_t i = 0; i < kEntries; ++i)
        table_[i] = int32_t(4096.0 * std::sin(i * 3.1415 / 2048.0));
    return true;
}

int32_t SineTable4096::Sin(int32_t t) const
{
    int32_t u = t % kFullTurn;
    if (u < 0)
        u += kFullTurn; // never asked for, but kept inside the table
    if (u < kQuarterTurn)
        return table_[u * 2048 / kHalfTurn];
    if (u < kHalfTurn)
        return table_[(kHalfTurn - u) * 2048 / kHalfTurn];
    if (u < kHalfTurn + kQuarterTurn)
        return -table_[(u - kHalfTurn) * 2048 / kHalfTurn];
    return -table_[(kFullTurn - u) * 2048 / kHalfTurn];
}
