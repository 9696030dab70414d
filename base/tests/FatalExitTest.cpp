#include "base/QnFatalExit.h"

#include <gtest/gtest.h>

TEST(QnFatalExitDeathTest, EndsTheProcessNamingFileAndLine)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(QnFatalExit("gc", 390), "gc, line 390");
}
