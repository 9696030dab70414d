#include "base/QnLittleEndian.h"

#include <gtest/gtest.h>

TEST(QnLittleEndian, FieldsGoLowByteFirstAtAnyAlignment)
{
    uint8_t bytes[11] = {};
    QnPutLE16(bytes + 1, 0xBEEF);
    QnPutLE32(bytes + 3, 0x89ABCDEFu);
    EXPECT_EQ(bytes[1], 0xEF);
    EXPECT_EQ(bytes[2], 0xBE);
    EXPECT_EQ(bytes[3], 0xEF);
    EXPECT_EQ(bytes[6], 0x89);
    EXPECT_EQ(QnGetLE16(bytes + 1), 0xBEEF);
    EXPECT_EQ(QnGetLE32(bytes + 3), 0x89ABCDEFu);
    QnPutLE64(bytes + 3, 0x0123456789ABCDEFull);
    EXPECT_EQ(QnGetLE64(bytes + 3), 0x0123456789ABCDEFull);
    EXPECT_EQ(bytes[3], 0xEF);

    std::vector<uint8_t> out;
    QnAppendLE16(out, 0x0201);
    QnAppendLE32(out, 0x06050403);
    EXPECT_EQ(out, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6}));
}
