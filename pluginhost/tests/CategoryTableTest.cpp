#include "pluginhost/PlugInCategoryTable.h"
#include "ThreadTime.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PlugInCategoryTable, CountsReferencesAndKeepsTheDefaultEntry)
{
    PlugInCategoryTable table("Other");
    EXPECT_EQ(table.Add(nullptr), 0);
    EXPECT_EQ(table.Add(""), 0);
    EXPECT_EQ(table.Add("Other"), 0);
    EXPECT_EQ(table.References(0), 4);

    const int32_t blur = table.Add("Blur");
    EXPECT_EQ(blur, 1);
    EXPECT_EQ(table.Add("Blur"), blur);
    EXPECT_EQ(table.Add("blur"), 2); // names are compared with their case
    EXPECT_EQ(table.UsedCount(), 3);

    table.Release(blur);
    EXPECT_STREQ(table.Name(blur), "Blur");
    table.Release(blur);
    EXPECT_EQ(table.Name(blur), nullptr);
    EXPECT_EQ(table.UsedCount(), 2);
    // A freed entry is taken again first.
    EXPECT_EQ(table.Add("Sharpen"), blur);

    for (int i = 0; i < 10; ++i)
        table.Release(0);
    EXPECT_STREQ(table.Name(0), "Other");
    table.Release(99); // unknown entries are left alone
    table.Release(-1);
}

TEST(PlugInCategoryTable, GrowsInStepsOfFiveAndShrinksWhenOnlyTheDefaultIsLeft)
{
    PlugInCategoryTable table("Other");
    EXPECT_EQ(table.Capacity(), 5);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(table.Add(("Category " + std::to_string(i)).c_str()), i);
    EXPECT_EQ(table.Capacity(), 10);
    EXPECT_EQ(table.UsedCount(), 6);
    for (int i = 1; i <= 5; ++i)
        table.Release(i);
    EXPECT_EQ(table.Capacity(), 5);
    EXPECT_EQ(table.UsedCount(), 1);
}

TEST(PlugInCategoryTable, ALongNameIsCutAndStillFindsItsEntry)
{
    PlugInCategoryTable table("Other");
    const std::string longName(300, 'c');
    const int32_t index = table.Add(longName.c_str());
    EXPECT_EQ(std::string(table.Name(index)), longName.substr(0, 127));
    EXPECT_EQ(table.Add(longName.c_str()), index);
    EXPECT_EQ(table.References(index), 2);
}

// A catalogue of 100 000 plug-ins, each of its own category, is read in
// about as many steps: neither the name nor a free entry is searched for
// through the whole table.
TEST(PlugInCategoryTable, ManyDistinctCategoriesTakeLinearTime)
{
    const double took = ThreadSeconds([] {
        PlugInCategoryTable table("Other");
        for (int32_t i = 1; i <= 100000; ++i)
            table.Add(("Category " + std::to_string(i)).c_str());
    });
    // Well under a second in a release build, seconds with sanitizers;
    // searching the table for every name took more than a minute.
    EXPECT_LT(took, 20.0);

    PlugInCategoryTable table("Other");
    constexpr int32_t kCount = 1000;
    for (int32_t i = 1; i <= kCount; ++i)
        ASSERT_EQ(table.Add(("Category " + std::to_string(i)).c_str()), i);
    for (int32_t i = 1; i <= kCount; ++i)
        ASSERT_EQ(table.Add(("Category " + std::to_string(i)).c_str()), i);
    // Freed entries (the even ones) are taken again lowest first, and their
    // names are free for new entries.
    for (int32_t i = kCount; i >= 1; i -= 2) {
        table.Release(i);
        table.Release(i);
    }
    EXPECT_EQ(table.UsedCount(), 1 + kCount / 2);
    EXPECT_EQ(table.Add("New"), 2);
    EXPECT_EQ(table.Add("Category 1"), 1);
    EXPECT_EQ(table.References(1), 3);
    EXPECT_EQ(table.Add("Category 2"), 4);
}

} // namespace
