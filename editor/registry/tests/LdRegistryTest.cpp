// Loading the libraries that the settings file lists, and the class map.
#include "editor/registry/tests/RegistryFixture.h"

#include <vector>

#include "editor/loadable/LdLoadable.h"

using Names = std::vector<std::string>;

using LdRegistryLoad = RegistryFixture;

TEST_F(LdRegistryLoad, FilesTheClassesOfTheListedLibrariesByShortName)
{
    const std::filesystem::path notAModule = folder_ / "NotAModule.so";
    std::ofstream(notAModule.string()) << "not an ELF file";
    CLdRegistry& registry = Load("[Tasks]\nlibs=4\nlib0=LdTestTasks.so\nlib1=\nlib2=LdTestMissing.so\nlib3=" +
                                 notAModule.string() + "\n[tools]\nlibs=2\nlib0=LdTestTasks.so\nlib1=LdTestNoExports.so\n");

    EXPECT_EQ(registry.ShortNames(), (Names{"Brush", "Guided", "Send", "Start", "Wizard"}));
    // Each library that could not serve says why, and nothing else came of it.
    EXPECT_TRUE(HasProblem(registry, "Can't load the task library " + Beside("LdTestMissing.so")));
    EXPECT_TRUE(HasProblem(registry, "Can't load the task library " + notAModule.string()));
    EXPECT_TRUE(HasProblem(registry, "The tool library " + Beside("LdTestNoExports.so") +
                                         " does not export CountTools and ToolInit"));
    EXPECT_EQ(registry.Problems().size(), 3u);
}

TEST_F(LdRegistryLoad, LibraryWithoutItsEntriesIsNeverCalledThrough)
{
    // It counts three tasks but has no TaskInit to give them.
    CLdRegistry& registry = Load("[Tasks]\nlibs=1\nlib0=LdTestNoExports.so\n");
    EXPECT_TRUE(registry.ShortNames().empty());
    EXPECT_TRUE(HasProblem(registry, "does not export CountTasks and TaskInit"));
}

TEST_F(LdRegistryLoad, NoLibrariesListedLoadsNothing)
{
    for (const char* settings : {"", "[Tasks]\nlibs=0\n[Tools]\nlibs=-3\nlib0=LdTestTasks.so\n"}) {
        CLdRegistry& registry = Load(settings);
        EXPECT_TRUE(registry.ShortNames().empty()) << settings;
        EXPECT_TRUE(registry.Problems().empty()) << settings;
        EXPECT_EQ(registry.CreateLoadable("Start"), nullptr);
    }
}

TEST_F(LdRegistryLoad, ResolvesNamesFromTheProgramsFolder)
{
    const struct {
        const char* name;
        std::string path;
    } cases[] = {
        {"Wrenkit.so", Beside("Wrenkit.so")},
        {"sub/Wrenkit.so", Beside("sub/Wrenkit.so")},
        {"/opt/quendle/Wrenkit.so", "/opt/quendle/Wrenkit.so"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CLdRegistry::ResolveLibraryPath(c.name), c.path) << c.name;

    CLdRegistry& registry = Load("[Tools]\nlibs=1\nlib0=" + Beside("LdTestTasks.so") + "\n");
    EXPECT_TRUE(registry.IsToolName("Wizard"));
}

TEST_F(LdRegistryLoad, LastTaskAndFirstToolOfANameWin)
{
    CLdRegistry& registry = Load("[Tasks]\nlibs=2\nlib0=LdTestTasks.so\nlib1=LdTestOther.so\n"
                                 "[Tools]\nlibs=2\nlib0=LdTestTasks.so\nlib1=LdTestOther.so\n");
    EXPECT_EQ(registry.ShortNames(), (Names{"Brush", "Guided", "Send", "Start", "Wizard"}));
    EXPECT_STREQ(registry.Find("Start")->classRecord.className, "CTestOtherTask_Start");
    EXPECT_STREQ(registry.Find("Brush")->classRecord.className, "CTestTool_Brush");
    EXPECT_EQ(registry.CreateLoadable("Start")->GetTitle(), "Other start");
    EXPECT_EQ(registry.CreateLoadable("Brush")->GetTitle(), "Brush");
}

TEST_F(LdRegistryLoad, ClassesThatCannotServeAreSkippedWithTheirReason)
{
    CLdRegistry& registry = Load("[Tasks]\nlibs=1\nlib0=LdTestOther.so\n[Tools]\nlibs=1\nlib0=LdTestOther.so\n");
    EXPECT_EQ(registry.ShortNames(), (Names{"Brush", "Start"}));
    const std::string path = Beside("LdTestOther.so");
    for (const std::string& reason : {
             "TaskInit(1) of " + path + " gives no class",
             "The class CTestNotLoadable of " + path + " is neither a task nor a tool class",
             "The class CLdLoadable of " + path + " is neither a task nor a tool class",
             "The class CTestThrowingTask of " + path + " can't be created: no settings",
             "The class CTestNamelessTask of " + path + " has no short name",
             "The class CTestFakeTool of " + path + " is not built on the editor's task and tool classes",
         })
        EXPECT_TRUE(HasProblem(registry, reason)) << reason;
    EXPECT_EQ(registry.Problems().size(), 6u);
}

TEST_F(LdRegistryLoad, TellsToolsFromTasksByTheirBaseClasses)
{
    CLdRegistry& registry = Load("[Tasks]\nlibs=1\nlib0=LdTestTasks.so\n[Tools]\nlibs=1\nlib0=LdTestTasks.so\n");
    for (const char* tool : {"Brush", "Send", "Wizard"})
        EXPECT_TRUE(registry.IsToolName(tool)) << tool;
    for (const char* other : {"Start", "Guided", "Nothing", ""})
        EXPECT_FALSE(registry.IsToolName(other)) << other;
}

TEST_F(LdRegistryLoad, ReadsTheStageNamesInOrderWithTheirGaps)
{
    CLdRegistry& registry = Load("[tasks]\nTASKS=3\ntask0=Start\ntask2=Finish\ntask3=Beyond\n");
    EXPECT_EQ(registry.TaskNames(), (Names{"Start", "", "Finish"}));
    EXPECT_TRUE(Load("[Tasks]\n").TaskNames().empty());
}
