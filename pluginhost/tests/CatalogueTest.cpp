#include "filters/sdk/PIHandles.h"
#include "pluginhost/FixedString.h"
#include "pluginhost/PlugInCatalogue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

uint32_t Add(PlugInCatalogue& catalogue, const char* name, const char* path = "/p/a.8bf",
             const char* category = "Test")
{
    PlugInRecord r;
    CopyFixed(r.path, path);
    CopyFixed(r.name, name);
    CopyFixed(r.entry, "ENTRYPOINT1");
    r.category = catalogue.Categories().Add(category);
    return catalogue.AddRecord(r);
}

TEST(PlugInCatalogue, NumbersRecordsAndFindsThemByNameMenuAndEntry)
{
    PlugInCatalogue catalogue;
    EXPECT_EQ(Add(catalogue, "Blur"), 1u);
    EXPECT_EQ(Add(catalogue, "Sharpen", "/p/b.8bf"), 2u);
    EXPECT_EQ(Add(catalogue, "Blur", "/p/c.8bf"), 3u);
    EXPECT_EQ(catalogue.IdByName("Blur"), 1);
    EXPECT_EQ(catalogue.IdByName("blur"), -1);
    EXPECT_EQ(catalogue.IdByEntry("/p/c.8bf", "ENTRYPOINT1"), 3);
    EXPECT_EQ(catalogue.FindById(0), nullptr);
    EXPECT_EQ(catalogue.FindById(4), nullptr);
    catalogue.SetMenuId(2, 10001);
    EXPECT_EQ(catalogue.IdByMenuId(10001), 2);
    EXPECT_EQ(catalogue.IdByMenuId(10002), -1);

    // Ids are never reused; removal releases the category.
    catalogue.RemoveByPath("/p/a.8bf");
    EXPECT_EQ(catalogue.IdByName("Blur"), 3);
    EXPECT_EQ(Add(catalogue, "Emboss"), 4u);
    catalogue.RemoveById(2);
    catalogue.RemoveById(3);
    catalogue.RemoveById(4);
    EXPECT_EQ(catalogue.Count(), 0u);
    EXPECT_EQ(catalogue.Categories().UsedCount(), 1);
}

struct NameCase {
    const char* name;
    int32_t length;
    const char* expected;
};

TEST(PlugInCatalogue, GetNameCutsToTheBufferAndDropsTrailingDots)
{
    const NameCase cases[] = {
        {"Blur...", 32, "Blur"},
        {"Sharpen", 4, "Sha"},
        {"Sharpen...", 8, "Sharpen"}, // cut to "Sharpen" first: no dots left
        {"Pinch...", 8, "Pinch.."},  // cut short, the dots are not whole
        {"Pinch...", 9, "Pinch"},
        {"...", 32, "..."},
        {"Wave", 1, ""},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.name);
        PlugInCatalogue catalogue;
        const uint32_t id = Add(catalogue, c.name);
        char buffer[64];
        std::memset(buffer, '#', sizeof(buffer));
        int32_t length = c.length;
        ASSERT_EQ(catalogue.GetName(id, buffer, &length), 1);
        EXPECT_STREQ(buffer, c.expected);
    }

    PlugInCatalogue catalogue;
    const uint32_t id = Add(catalogue, "Blur...");
    int32_t length = 0;
    EXPECT_EQ(catalogue.GetName(id, nullptr, &length), 1);
    EXPECT_EQ(length, 8);
    char buffer[8];
    EXPECT_EQ(catalogue.GetName(99, buffer, &length), 0);
    length = 0;
    EXPECT_EQ(catalogue.GetName(id, buffer, &length), 0);
    EXPECT_EQ(catalogue.GetName(id, buffer, nullptr), 0);
}

TEST(PlugInCatalogue, KeepsCopiesOfTheParameterHandlesAndFreesThemWithTheRecord)
{
    const int32_t live = GetLiveHostHandleCount();
    {
        PlugInCatalogue catalogue;
        const uint32_t id = Add(catalogue, "Blur");
        EXPECT_EQ(catalogue.GetParameters(id), nullptr);

        Handle given = NewHostHandle(4);
        std::memcpy(given->data, "abcd", 4);
        catalogue.SetParameters(id, given);
        catalogue.SetData(id, given);
        FreeHostHandle(given); // the catalogue kept its own copies

        Handle copy = catalogue.GetParameters(id);
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(std::memcmp(copy->data, "abcd", 4), 0);
        Handle again = catalogue.GetParameters(id);
        EXPECT_NE(again, copy);
        FreeHostHandle(copy);
        FreeHostHandle(again);

        // A handle that is no longer valid leaves the record without one.
        Handle stale = NewHostHandle(4);
        FreeHostHandle(stale);
        catalogue.SetParameters(id, stale);
        EXPECT_EQ(catalogue.GetParameters(id), nullptr);

        EXPECT_EQ(GetLiveHostHandleCount(), live + 1); // the data copy
        catalogue.RemoveById(id);
        EXPECT_EQ(GetLiveHostHandleCount(), live);
        catalogue.SetData(id, nullptr); // an unknown id is ignored
    }
    EXPECT_EQ(GetLiveHostHandleCount(), live);
}

} // namespace
