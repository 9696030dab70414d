#include "pluginhost/FixedString.h"
#include "pluginhost/ModuleFiles.h"
#include "pluginhost/PlugInCatalogue.h"
#include "pluginhost/PlugInUi.h"
#include "PlugInFolders.h"
#include "platform/tests/ModuleImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <sys/stat.h>
#include <utime.h>

namespace {

// The folder tree of the scan: three real modules (one of them with a broken
// property list), a file that is not a module, a sub-folder with a module
// and a folder whose name looks like a module.
class Scan : public ::testing::Test {
protected:
    void SetUp() override
    {
        folders.AddModule("plugins", "invert");
        folders.AddModule("plugins", "twoentries");
        folders.AddModule("plugins", "brokenpipl");
        std::filesystem::copy_file(std::string(FXGATE_TEST_DATA) + "/notamodule.8bf.txt",
                                   folders.Folder("plugins") + "/notamodule.8bf");
        folders.AddModule("plugins/nested", "faulty");
        folders.Folder("plugins/looks-like.8bf");
        pluginFolder = folders.Folder("plugins");
    }

    // name -> category of every catalogued plug-in
    std::map<std::string, std::string> Found() const
    {
        std::map<std::string, std::string> found;
        for (size_t i = 0; i < catalogue.Count(); ++i) {
            const PlugInRecord& r = catalogue.At(i);
            found[r.name] = catalogue.Categories().Name(r.category);
        }
        return found;
    }

    void Apply(std::initializer_list<std::string> list)
    {
        PlugInFolderList next;
        for (const std::string& folder : list)
            next.Add(folder);
        catalogue.ApplyFolders(&next, ui);
    }

    PlugInFolders folders;
    std::string pluginFolder;
    PlugInCatalogue catalogue;
    PlugInUi ui;
};

TEST_F(Scan, FindsExactlyTheValidPlugInsWithoutRunningAModule)
{
    Apply({pluginFolder});
    const std::map<std::string, std::string> expected = {
        {"Invert...", "Test Colour"}, {"Blur more", "Test Blur"}, {"Sharpen edges...", "Test Sharpen"}};
    EXPECT_EQ(Found(), expected);
    EXPECT_TRUE(catalogue.dirty);
    EXPECT_EQ(folders.LogText(), ""); // no module was loaded, let alone called

    const PlugInRecord& invert = *catalogue.FindById(catalogue.IdByName("Invert..."));
    EXPECT_EQ(FixedView(invert.path), pluginFolder + "/invert.8bf");
    EXPECT_STREQ(invert.entry, "ENTRYPOINT1");
    EXPECT_EQ(invert.modes, 0x0050);
    const uint64_t time = uint64_t{invert.timeHigh} << 32 | invert.timeLow;
    EXPECT_EQ(time, FileTimeOf(invert.path));
    EXPECT_NE(time, 0u);

    // Both filters of one module take its first entry as their about entry.
    const PlugInRecord& sharpen = *catalogue.FindById(catalogue.IdByName("Sharpen edges..."));
    EXPECT_STREQ(sharpen.entry, "ENTRYPOINT2");
    EXPECT_STREQ(sharpen.aboutEntry, "ENTRYPOINT1");
}

// Sets a file's last-write time seconds away from now.
void Touch(const std::string& path, int seconds)
{
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    const utimbuf times{st.st_atime, st.st_mtime + seconds};
    ASSERT_EQ(utime(path.c_str(), &times), 0);
}

TEST_F(Scan, RereadsOnlyModulesWhoseFileTimeChanged)
{
    // Files without plug-ins are read at every scan, as they are in no record.
    std::filesystem::remove(pluginFolder + "/brokenpipl.8bf");
    std::filesystem::remove(pluginFolder + "/notamodule.8bf");
    Apply({pluginFolder});
    const int32_t invert = catalogue.IdByName("Invert...");
    const int32_t blur = catalogue.IdByName("Blur more");
    catalogue.dirty = false;

    catalogue.ApplyFolders(nullptr, ui);
    EXPECT_FALSE(catalogue.dirty);
    EXPECT_EQ(catalogue.IdByName("Blur more"), blur);

    Touch(pluginFolder + "/twoentries.8bf", 10);
    catalogue.ApplyFolders(nullptr, ui);
    EXPECT_TRUE(catalogue.dirty);
    EXPECT_EQ(catalogue.IdByName("Invert..."), invert);
    EXPECT_GT(catalogue.IdByName("Blur more"), invert);
    EXPECT_GT(catalogue.IdByName("Sharpen edges..."), blur);
    EXPECT_EQ(catalogue.Count(), 3u);
}

TEST_F(Scan, FollowsTheFolderList)
{
    folders.AddModule("more", "faulty");
    const std::string more = folders.Folder("more");
    Apply({pluginFolder, more});
    EXPECT_EQ(catalogue.Count(), 3u + 8u);

    // A module that vanished from a kept folder loses its records.
    std::filesystem::remove(more + "/faulty.8bf");
    catalogue.dirty = false;
    catalogue.ApplyFolders(nullptr, ui);
    EXPECT_EQ(catalogue.Count(), 3u);

    // A folder taken out of the list takes its plug-ins along, also those
    // whose files are gone by now.
    std::filesystem::remove(pluginFolder + "/invert.8bf");
    Apply({more});
    EXPECT_TRUE(catalogue.dirty);
    EXPECT_EQ(catalogue.Count(), 0u);
    ASSERT_EQ(catalogue.Folders().Count(), 1u);
    EXPECT_EQ(catalogue.Folders()[0], more);
    EXPECT_EQ(catalogue.Categories().UsedCount(), 1);
}

// Records the registration window the scan shows.
class RecordingUi : public PlugInUi {
public:
    void ShowRegistration(int32_t total, const std::string& text) override
    {
        this->total = total;
        this->text = text;
    }
    void SetRegistrationModule(const std::string& path) override { modules.push_back(path); }
    void SetRegistrationName(const std::string& name) override { names.insert(name); }
    void StepRegistration(int32_t done) override { steps = done; }
    void HideRegistration() override { hidden = true; }

    int32_t total = 0;
    std::string text;
    std::vector<std::string> modules;
    std::set<std::string> names;
    int32_t steps = 0;
    bool hidden = false;
};

TEST_F(Scan, ShowsItsProgressWhileReadingNewFolders)
{
    RecordingUi recording;
    PlugInFolderList list;
    list.Add(pluginFolder);
    catalogue.ApplyFolders(&list, recording);
    EXPECT_EQ(recording.total, 4); // the .8bf files, the text file among them
    EXPECT_EQ(recording.text, "Adding Plug-ins ...");
    EXPECT_EQ(recording.steps, 4);
    EXPECT_TRUE(recording.hidden);
    EXPECT_EQ(recording.modules.front(), pluginFolder + "/brokenpipl.8bf");
    EXPECT_EQ(recording.names, (std::set<std::string>{"Invert...", "Blur more", "Sharpen edges..."}));
}

TEST_F(Scan, ACatalogueReadBackIsKeptWhileItsModulesAreUnchanged)
{
    std::filesystem::remove(pluginFolder + "/brokenpipl.8bf");
    std::filesystem::remove(pluginFolder + "/notamodule.8bf");
    Apply({pluginFolder});
    ASSERT_TRUE(catalogue.WriteFile(folders.CatalogueFile()));

    PlugInCatalogue restarted;
    restarted.ReadFile(folders.CatalogueFile());
    restarted.ApplyFolders(nullptr, ui);
    EXPECT_FALSE(restarted.dirty);
    ASSERT_EQ(restarted.Count(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_STREQ(restarted.At(i).name, catalogue.At(i).name);
    EXPECT_EQ(folders.LogText(), "");
}

TEST_F(Scan, ADamagedCatalogueIsRebuiltByTheScan)
{
    Apply({pluginFolder});
    ASSERT_TRUE(catalogue.WriteFile(folders.CatalogueFile()));
    std::string bytes = TestFolder::Read(folders.CatalogueFile());
    bytes.resize(bytes.size() - 500);
    TestFolder::Write(folders.CatalogueFile(), bytes);

    PlugInCatalogue restarted;
    restarted.ReadFile(folders.CatalogueFile());
    EXPECT_EQ(restarted.Count(), 0u);
    restarted.ApplyFolders(nullptr, ui);
    EXPECT_TRUE(restarted.dirty);
    EXPECT_EQ(restarted.Count(), 3u);
    EXPECT_NE(restarted.IdByName("Sharpen edges..."), -1);
}

// A copy of a real module whose resource section claims size bytes, in a
// sparse file as long as the claim: a few kilobytes on disk.
void WriteSparseModule(const std::string& path, uint64_t size)
{
    ModuleImage image(std::string(FXGATE_TEST_MODULES) + "/invert.8bf");
    const size_t rsrc = image.SectionHeaderAt("pi_rsrc");
    ASSERT_NE(rsrc, 0u);
    image.Put(rsrc + offsetof(Elf64_Shdr, sh_size), size);
    TestFolder::Write(path, image.bytes);
    std::filesystem::resize_file(path, size + image.bytes.size());
}

TEST_F(Scan, AFileThatCannotBeReadCostsThatFileAloneAndItsReasonIsKept)
{
    constexpr uint64_t GiB = uint64_t(1) << 30;
    WriteSparseModule(pluginFolder + "/huge.8bf", GiB);
    WriteSparseModule(pluginFolder + "/vast.8bf", 100 * GiB);
    Apply({pluginFolder});

    const std::map<std::string, std::string> expected = {
        {"Invert...", "Test Colour"}, {"Blur more", "Test Blur"}, {"Sharpen edges...", "Test Sharpen"}};
    EXPECT_EQ(Found(), expected);
    std::map<std::string, std::string> skipped;
    for (const PlugInCatalogue::SkippedModule& s : catalogue.Skipped())
        skipped[s.path.substr(pluginFolder.size() + 1)] = s.reason;
    ASSERT_EQ(skipped.size(), 3u);
    for (const std::string name : {"huge.8bf", "vast.8bf"})
        EXPECT_NE(skipped[name].find("larger than a module holds"), std::string::npos) << skipped[name];
    EXPECT_NE(skipped["notamodule.8bf"].find("not an ELF file"), std::string::npos) << skipped["notamodule.8bf"];
    EXPECT_NE(skipped["notamodule.8bf"].find(pluginFolder), std::string::npos);

    // The next scan lists what it passed over then, and only that.
    std::filesystem::remove(pluginFolder + "/vast.8bf");
    catalogue.ApplyFolders(nullptr, ui);
    EXPECT_EQ(catalogue.Skipped().size(), 2u);
    EXPECT_EQ(catalogue.Count(), 3u);
}

} // namespace
