#include "platform/LeadingInt.h"

#include <gtest/gtest.h>

#include <limits>

TEST(ParseLeadingInt, ReadsTheLeadingSignedNumber)
{
    const struct {
        const char* text;
        int32_t expected;
    } cases[] = {
        {"12", 12},
        {"-7", -7},
        {"+5", 5},
        {"  42abc", 42},
        {"0x10", 0},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"- 3", 0},
        {"2147483647", std::numeric_limits<int32_t>::max()},
        {"99999999999999999999", std::numeric_limits<int32_t>::max()},
        {"-2147483648", std::numeric_limits<int32_t>::min()},
        {"-99999999999", std::numeric_limits<int32_t>::min()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::ParseLeadingInt(c.text), c.expected) << '"' << c.text << '"';
}
