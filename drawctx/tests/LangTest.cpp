#include "drawctx/ZvLibraryResources.h"
#include "drawctx/ZvLangSp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

struct IniFolder {
    IniFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zvlang-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~IniFolder() { std::filesystem::remove_all(path); }
    std::string Write(const std::string& text) const
    {
        const std::string file = path + "/ZVLANGSP.INI";
        std::ofstream(file) << text;
        return file;
    }
    std::string path;
};

} // namespace

TEST(Lang, ForcedLanguageFromTheSettingsFile)
{
    IniFolder folder;
    struct Case {
        const char* name;
        const char* ini; // null: no file
        uint16_t want;
    };
    const Case cases[] = {
        {"no file", nullptr, 0x0C0C},
        {"no keys", "[FORCELANGUAGE]\nOTHER=1\n", 0x0C0C},
        {"language only", "[FORCELANGUAGE]\nLANGUAGE=7\n", 0x0007},
        {"sublanguage only", "[forcelanguage]\nsublanguage=2\n", 0x0800},
        {"both", "[FORCELANGUAGE]\nLANGUAGE=7\nSUBLANGUAGE=2\n", 0x0807},
        // 16 bits: only the low 6 bits of the sublanguage count.
        {"sublanguage past 6 bits", "[FORCELANGUAGE]\nLANGUAGE=9\nSUBLANGUAGE=65\n", 0x0409},
        {"65535 means not given", "[FORCELANGUAGE]\nLANGUAGE=65535\nSUBLANGUAGE=65535\n", 0x0C0C},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = c.ini ? folder.Write(c.ini) : folder.path + "/none.ini";
        EXPECT_EQ(ZvReadForcedLangId(path, 0x0C0C), c.want);
    }
}

TEST(Lang, SettingsFileLiesBesideTheProgram)
{
    EXPECT_EQ(ZvLangSpPath("/opt/suite/bin/OVALBUM"), "/opt/suite/bin/ZVLANGSP.INI");
    EXPECT_EQ(ZvLangSpPath("C:\\SUITE\\OVALBUM.EXE"), "C:\\SUITE\\ZVLANGSP.INI");
    EXPECT_EQ(ZvLangSpPath("OVALBUM"), "ZVLANGSP.INI");
}

TEST(Lang, IdIsReadOncePerProcess)
{
    const uint16_t first = GetForcedLangId();
    // Whatever the file beside the program says now, the id stays.
    setenv("LC_ALL", first == 0x0407 ? "fr_FR" : "de_DE", 1);
    EXPECT_EQ(GetForcedLangId(), first);
}

TEST(Lang, LibraryCarriesItsStringsAndTemplates)
{
    const platform::LangResources english(ZvLibraryResources(), 0x0409);
    EXPECT_EQ(english.String(527), "16.7M truecolor");
    EXPECT_EQ(english.String(541), "Diaginal 1");
    EXPECT_EQ(english.String(570), "This color/dithering option is INVALID and can't be set.");
    const auto colorOpt = platform::ParseDialogTexts(*english.FindResource("COLOROPT", platform::ResourceType::Dialog));
    EXPECT_EQ(colorOpt.at(0), "Color/dither options");
    EXPECT_EQ(colorOpt.at(107), "&Apply");
    EXPECT_TRUE(english.FindResource("GAMMA", platform::ResourceType::Bitmap));
}

TEST(Lang, LibraryCarriesEveryTextInGerman)
{
    using platform::ResourceType::Dialog;
    using platform::ResourceType::String;
    const platform::ResourceTable& table = ZvLibraryResources();
    const platform::ResourceName germanStrings = platform::LangResources::TaggedType(String, 0x0407);
    const platform::ResourceName germanDialogs = platform::LangResources::TaggedType(Dialog, 0x0407);
    for (const platform::ResourceName& id : table.Ids(String))
        EXPECT_TRUE(table.Find(germanStrings, id)) << "string " << id.Number();
    for (const platform::ResourceName& id : table.Ids(Dialog)) {
        SCOPED_TRACE(id.Name());
        const auto english = platform::ParseDialogTexts(*table.Find(Dialog, id));
        const auto german = platform::ParseDialogTexts(*table.Find(germanDialogs, id));
        for (const auto& [control, text] : english)
            EXPECT_TRUE(german.contains(control)) << control;
    }

    const platform::LangResources resources(table, 0x0407);
    EXPECT_EQ(resources.String(524), "Optimierte Palette");
    EXPECT_EQ(resources.String(529), "Fehlerstreuung");
    EXPECT_EQ(platform::ParseDialogTexts(*resources.FindResource("MONGAMMA", Dialog)).at(1102), "&Gr\xC3\xBCn");
}

TEST(Lang, LibraryLanguageFollowsTheLocale)
{
    // Read once per process: this test is alone in its process under ctest.
    setenv("LC_ALL", "de_AT.UTF-8", 1);
    EXPECT_EQ(ZvLibraryLangResources().Languages(), (std::vector<uint16_t>{0x0C07, 0x0407}));
    EXPECT_EQ(ZvLibraryLangResources().String(548), "Quadrate");
}
