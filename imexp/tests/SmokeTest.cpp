#include <gtest/gtest.h>
#include "imexp/ImExp.h"
TEST(Smoke, Detect) { EXPECT_EQ(imexp::DetectFormat({}), imexp::Format::Unknown); }
