// A small rectangle anywhere in a large picture costs a cache miss a row,
// one after the other while the rows are copied. A work area's rows usually
// lie evenly spaced in memory, so once two neighbouring rows have shown the
// spacing, the rows still to come are announced to the processor ahead of
// their copy and their misses overlap. Nothing is ever read through a
// guessed address: a wrong guess (a work area that hands out one scratch
// buffer, say) only wastes a hint.
#pragma once

#include <cstddef>
#include <cstdint>

class RowPrefetch {
public:
    // The rows of a rectangle are taken one after another, each a row below
    // the last in the work area's counting; j is the index of the row just
    // given (at pixels), rows the rectangle's height and bytes the length
    // of each row.
    void Took(int32_t j, int32_t rows, const uint8_t* pixels, size_t bytes)
    {
        const auto at = reinterpret_cast<uintptr_t>(pixels);
        if (j > 0)
            spacing_ = at - last_;
        last_ = at;
        if (spacing_ == 0)
            return;
        // The first row announces the next kAhead; every later one the row
        // kAhead below it.
        for (int32_t k = j == 0 ? 1 : kAhead; k <= kAhead && j + k < rows; ++k)
            Announce(at + uintptr_t(k) * spacing_, bytes);
    }

private:
    static constexpr int32_t kAhead = 8;
    static constexpr size_t kLine = 64, kMostLines = 4;

    static void Announce(uintptr_t row, size_t bytes)
    {
        const size_t lines = bytes == 0 ? 0 : (row % kLine + bytes - 1) / kLine + 1;
        for (size_t i = 0; i < lines && i < kMostLines; ++i)
            __builtin_prefetch(reinterpret_cast<const void*>(row + i * kLine));
    }

    uintptr_t last_ = 0;
    uintptr_t spacing_ = 0; // unsigned: rows that lie downwards wrap around
};
