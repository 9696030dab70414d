#include "base/QnExcept.h"
#include "editor/effects/BuiltinEffectTable.h"
#include "editor/effects/EffectModuleFolder.h"
#include "editor/effects/PlugInInstance.h"
#include "platform/tests/TestFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace {

std::string LoadError(const std::string& module, const std::string& entry1, const std::string& entry2)
{
    intptr_t word = 0;
    const PpPlugInInstance instance = MakePlugInInstance(module, entry1, entry2, &word);
    try {
        instance->Load();
    } catch (const QnExcept& e) {
        instance->Unload();
        return e.what();
    }
    instance->Unload();
    return "";
}

} // namespace

TEST(BuiltinEffectTable, RowsFlagsAndSecondEntries)
{
    ASSERT_EQ(BuiltinEffectCount(), 36);
    std::set<int32_t> withoutDialog;
    for (int i = 0; i < BuiltinEffectCount(); ++i) {
        const int32_t command = BuiltinEffectCommand(i);
        std::string module, entry1, entry2;
        intptr_t* word = nullptr;
        int32_t flag = -1;
        ASSERT_EQ(FindBuiltinEffect(command, &module, &entry1, &entry2, &word, &flag), 1) << command;
        ASSERT_NE(word, nullptr);
        const bool firstEntryModule = module == "rubber.8bf" || module == "Edges.8bf";
        EXPECT_EQ(entry2, firstEntryModule ? "ENTRYPOINT1" : "ENTRYPOINT") << command;
        if (flag == 0)
            withoutDialog.insert(command);
        // Within one of the ranges the document routes.
        bool routed = false;
        for (const BuiltinEffectRange& r : kBuiltinEffectRanges)
            routed = routed || (uint32_t(command) >= r.first && uint32_t(command) <= r.last);
        EXPECT_TRUE(routed) << command;
    }
    EXPECT_EQ(withoutDialog, (std::set<int32_t>{32837, 32805, 32838, 32840, 32839}));

    // Each effect keeps a word of its own; the end row is no command.
    intptr_t *pinch = nullptr, *punch = nullptr;
    FindBuiltinEffect(32822, nullptr, nullptr, nullptr, &pinch, nullptr);
    FindBuiltinEffect(32823, nullptr, nullptr, nullptr, &punch, nullptr);
    EXPECT_NE(pinch, punch);
    std::string untouched = "kept";
    EXPECT_EQ(FindBuiltinEffect(-1, &untouched, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(FindBuiltinEffect(32795, &untouched, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(untouched, "kept");
}

// The table spells module names as they always were; the build names the
// files its own way, and the lookup ignores case.
TEST(BuiltinEffectTable, EveryRowLoadsFromTheProgramFolder)
{
    SetEffectModuleFolder(QN_MODULE_FOLDER);
    for (int i = 0; i < BuiltinEffectCount(); ++i) {
        std::string module, entry1, entry2;
        FindBuiltinEffect(BuiltinEffectCommand(i), &module, &entry1, &entry2, nullptr, nullptr);
        EXPECT_EQ(LoadError(module, entry1, entry2), "") << module << " " << entry1;
    }
    SetEffectModuleFolder("");
}

TEST(EffectModuleFolder, NamesMatchWithoutCase)
{
    TestFolder folder;
    std::ofstream(folder / "OVARTG.8bf") << "x";
    std::ofstream(folder / "rubber.8bf") << "x";
    EXPECT_EQ(FindFileIgnoringCase(folder.Path(), "ovartg.8bf"), folder / "OVARTG.8bf");
    EXPECT_EQ(FindFileIgnoringCase(folder.Path(), "rubber.8bf"), folder / "rubber.8bf");
    EXPECT_EQ(FindFileIgnoringCase(folder.Path(), "RUBBER.8BF"), folder / "rubber.8bf");
    EXPECT_EQ(FindFileIgnoringCase(folder.Path(), "Fxrun.8bf"), "");
}

TEST(PlugInInstance, MissingModuleOrEntryIsAClearError)
{
    SetEffectModuleFolder(QN_MODULE_FOLDER);
    EXPECT_EQ(LoadError("nowhere.8bf", "ENTRYPOINT", "ENTRYPOINT"), "Can't load DLL: nowhere.8bf");
    EXPECT_EQ(LoadError("rubber.8bf", "ENTRYPOINT99", "ENTRYPOINT1"), "Can't find entrypoint: rubber.8bf ENTRYPOINT99");
    EXPECT_EQ(LoadError("rubber.8bf", "ENTRYPOINT1", "ENTRYPOINT98"), "Can't find entrypoint: rubber.8bf ENTRYPOINT98");
    SetEffectModuleFolder("");
}
