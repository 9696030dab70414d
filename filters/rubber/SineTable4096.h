// Sines of Wave and Whirl in whole numbers: 1,025 entries of a quarter
// turn scaled by 4096, angles in 1/4096 radian (a full turn is 25736).
// The quarter is cut with pi taken as 3.1415, so its last entry is 4095:
// the distortions have always been computed with these values.
#pragma once

#include <cstdint>
#include <memory>

class SineTable4096 {
public:
    static constexpr int32_t kEntries = 1025;
    static constexpr int32_t kFullTurn = 25736;
    static constexpr int32_t kHalfTurn = 12868;
    static constexpr int32_t kQuarterTurn = 6434;

    // Fills the table; false when memory runs out.
    bool Build();
    void Free() { table_.reset(); }
    bool Built() const { return table_ != nullptr; }

    int32_t Entry(int32_t i) const { return table_[i]; }
    // sin and cos of t >= 0, times 4096.
    int32_t Sin(int32_t t) const;
    int32_t Cos(int32_t t) const { return Sin(t + kQuarterTurn); }

private:
    std::unique_ptr<int32_t[]> table_;
};
