// The red and blue exchange of rows of 3-byte pixels, in place and into
// another row, for every count around the widths of its wide steps.
#include <gtest/gtest.h>

#include "imexp/SwapRedBlue.h"

#include <vector>

namespace {

constexpr uint8_t kGuard = 0xA5;

std::vector<uint8_t> Pattern(size_t bytes)
{
    std::vector<uint8_t> v(bytes);
    for (size_t i = 0; i < bytes; ++i)
        v[i] = uint8_t(i * 7 + 1);
    return v;
}

std::vector<uint8_t> Expected(const std::vector<uint8_t>& in, size_t count)
{
    std::vector<uint8_t> out(3 * count);
    for (size_t i = 0; i < count; ++i) {
        out[3 * i] = in[3 * i + 2];
        out[3 * i + 1] = in[3 * i + 1];
        out[3 * i + 2] = in[3 * i];
    }
    return out;
}

TEST(SwapRedBlue, EveryPixelTurnedAndNothingPastTheRowTouched)
{
    for (size_t count = 0; count <= 40; ++count) {
        const std::vector<uint8_t> in = Pattern(3 * count);
        const std::vector<uint8_t> want = Expected(in, count);

        std::vector<uint8_t> out(3 * count + 16, kGuard);
        imexp::SwapRedBlue(in.data(), out.data(), count);
        EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + long(3 * count)), want) << count << " pixels";
        EXPECT_EQ(std::vector<uint8_t>(out.begin() + long(3 * count), out.end()), std::vector<uint8_t>(16, kGuard))
            << count << " pixels";

        std::vector<uint8_t> same = in;
        same.resize(3 * count + 16, kGuard);
        imexp::SwapRedBlue(same.data(), same.data(), count);
        EXPECT_EQ(std::vector<uint8_t>(same.begin(), same.begin() + long(3 * count)), want) << count << " in place";
        EXPECT_EQ(std::vector<uint8_t>(same.begin() + long(3 * count), same.end()), std::vector<uint8_t>(16, kGuard))
            << count << " in place";
    }
}

} // namespace
