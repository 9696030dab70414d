// The products of the bilinear mix in fifteenths: entry (fy, fx) = fy x fx,
// so that the four corner weights of a sample sum to 225.
#pragma once

#include <array>
#include <cstdint>

class BlendTable {
public:
    BlendTable()
    {
        for (int32_t fy = 0; fy < 16; ++fy)
            for (int32_t fx = 0; fx < 16; ++fx)
                entries_[size_t(fy * 16 + fx)] = fy * fx;
    }
    int32_t At(int32_t fy, int32_t fx) const { return entries_[size_t(fy * 16 + fx)]; }

private:
    std::array<int32_t, 256> entries_{};
};

inline const BlendTable& TheBlendTable()
{
    static const BlendTable table;
    return table;
}
