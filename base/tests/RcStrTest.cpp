#include "base/QnRcStr.h"

#include <gtest/gtest.h>

namespace {
const QnStringTableEntry kTable[] = {
    {20, "Evaluation aborted by user"},
    {21, "Evaluation machine"},
};
} // namespace

TEST(QnRcStr, ReadsTheTableOfItsModule)
{
    QnRcStr rc(0);
    EXPECT_FALSE(rc.Has(20));
    rc.SetTable(kTable);
    EXPECT_EQ(rc(20), "Evaluation aborted by user");
    EXPECT_EQ(rc(21), "Evaluation machine");
    EXPECT_TRUE(rc.Has(21));
}

TEST(QnRcStr, AMissingIdGivesATextNamingIt)
{
    QnRcStr rc(0);
    rc.SetTable(kTable);
    EXPECT_FALSE(rc.Has(99));
    EXPECT_EQ(rc(99), "Message 99");
}
