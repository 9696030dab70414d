// The module as the editor binds it: by its four entries, and nothing else
// exported.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include "editor/loadable/LdExports.h"
#include "platform/Module.h"

namespace {

struct Entries {
    const char* count;
    const char* init;
    const char* base;
    const char* other;
};

}  // namespace

TEST(WrenkitEntries, EveryIndexBelowTheCountGivesAClassOfItsKindAndNoOtherDoes)
{
    platform::Module wrenkit;
    ASSERT_TRUE(wrenkit.Load(WRENKIT_PATH)) << wrenkit.Error();
    for (const Entries& e : {Entries{kLdCountTasks, kLdTaskInit, "CLdTask", "CLdTool"},
                             Entries{kLdCountTools, kLdToolInit, "CLdTool", "CLdTask"}}) {
        SCOPED_TRACE(e.init);
        auto* count = wrenkit.Entry<LdCountProc>(e.count);
        auto* init = wrenkit.Entry<LdInitProc>(e.init);
        ASSERT_NE(count, nullptr);
        ASSERT_NE(init, nullptr);
        const int32_t n = count();
        ASSERT_GE(n, 0);
        for (int32_t i = 0; i < n; ++i) {
            const fw::RuntimeClass* record = init(uint32_t(i));
            // A tool not yet in the module keeps its index free.
            if (!record && e.base == std::string("CLdTool"))
                continue;
            ASSERT_NE(record, nullptr) << i;
            EXPECT_TRUE(record->IsDerivedFrom(e.base)) << record->className;
            EXPECT_FALSE(record->IsDerivedFrom(e.other)) << record->className;
            EXPECT_EQ(record->schema, 0xFFFFu);
        }
        // The index is unsigned: -1 is far beyond the count.
        for (uint32_t beyond : {uint32_t(n), uint32_t(n) + 1, uint32_t(-1)})
            EXPECT_EQ(init(beyond), nullptr) << beyond;
    }
}

// Tools keep the indexes of the editor's table, built or not.
TEST(WrenkitEntries, ToolsSitAtTheirFixedIndexes)
{
    platform::Module wrenkit;
    ASSERT_TRUE(wrenkit.Load(WRENKIT_PATH)) << wrenkit.Error();
    auto* count = wrenkit.Entry<LdCountProc>(kLdCountTools);
    auto* init = wrenkit.Entry<LdInitProc>(kLdToolInit);
    ASSERT_TRUE(count && init);
    EXPECT_EQ(count(), 61);
    for (const auto& [index, name] :
         {std::pair{6u, "CTool_Paint"}, std::pair{52u, "CTool_Clone"}, std::pair{54u, "CTool_Wallpaper"},
          std::pair{55u, "CTool_ScreenSave"}, std::pair{56u, "CTool_Calendar"}, std::pair{57u, "CTool_Copier"},
          std::pair{58u, "CTool_Fax"}, std::pair{60u, "CTool_Frame"}}) {
        const fw::RuntimeClass* record = init(index);
        ASSERT_NE(record, nullptr) << index;
        EXPECT_STREQ(record->className, name);
        EXPECT_STREQ(record->GetBaseClass()->className, "CLdTool");
    }
}

TEST(WrenkitEntries, OnlyTheFourEntriesAreExported)
{
    platform::Module wrenkit;
    ASSERT_TRUE(wrenkit.Load(WRENKIT_PATH)) << wrenkit.Error();
    // The class tables are the module's own: hidden from the editor.
    void* handle = dlopen(WRENKIT_PATH, RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(dlsym(handle, "_ZN7wrenkit11TaskClassesEv"), nullptr);
    EXPECT_EQ(dlsym(handle, "_ZN7wrenkit11ToolClassesEv"), nullptr);
    dlclose(handle);
}
