#include <gtest/gtest.h>
TEST(Dummy, Nothing) {}
