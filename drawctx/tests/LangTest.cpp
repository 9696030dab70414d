#include "drawctx/ZvLangResources.h"
#include "drawctx/ZvLangSp.h"
#include "platform/ResourceSectionWriter.h"

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

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

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

TEST(Lang, SystemLanguageFromTheLocale)
{
    struct Case {
        const char* locale;
        uint16_t want;
    };
    const Case cases[] = {
        {"", 0x0409},           {"C", 0x0409},           {"POSIX", 0x0409},       {"C.UTF-8", 0x0409},
        {"en_US.UTF-8", 0x0409}, {"en_GB", 0x0809},       {"de_DE.UTF-8", 0x0407}, {"de_CH", 0x0807},
        {"de_AT@euro", 0x0C07},  {"fr_CA.UTF-8", 0x0C0C}, {"pt_BR", 0x0416},       {"pt_PT", 0x0816},
        {"de", 0x0407},          {"xx_YY", 0x0000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ZvLangIdOfLocale(c.locale), c.want) << c.locale;

    setenv("LC_ALL", "", 1);
    setenv("LC_MESSAGES", "fr_BE.UTF-8", 1);
    setenv("LANG", "de_DE.UTF-8", 1);
    EXPECT_EQ(ZvSystemDefaultLangId(), 0x080C);
    setenv("LC_ALL", "it_IT", 1);
    EXPECT_EQ(ZvSystemDefaultLangId(), 0x0410);
}

TEST(Lang, IdIsReadOncePerProcess)
{
    const uint16_t first = GetForcedLangId();
    // Whatever the file beside the program says now, the id stays.
    setenv("LC_ALL", first == 0x0407 ? "fr_FR" : "de_DE", 1);
    EXPECT_EQ(GetForcedLangId(), first);
}

TEST(Lang, LookupsFallBackToTheOrdinaryResources)
{
    using platform::ResourceType::Dialog;
    using platform::ResourceType::String;
    platform::ResourceSectionWriter w;
    w.Add(String, 512, Bytes("1-bit"));
    w.Add(String, 513, Bytes("1-bit with dithering"));
    w.Add(ZvLangResources::TaggedType(String, 0x0407), 512, Bytes("1 Bit"));
    w.Add(ZvLangResources::TaggedType(String, 0x0407), 514, Bytes("3 Graustufen \xC3\xBC"));
    w.Add(Dialog, "COLOROPT", Bytes("0 Color/dither options\n106 &Fast view\n"));
    w.Add(ZvLangResources::TaggedType(Dialog, 0x0407), "MONGAMMA", Bytes("0 Farben abgleichen\n"));
    const std::vector<uint8_t> bytes = w.Bytes();
    const auto table = platform::ResourceTable::FromBytes(bytes);

    const ZvLangResources german(table, 0x0407);
    EXPECT_EQ(german.String(512), "1 Bit");
    EXPECT_EQ(german.String(513), "1-bit with dithering"); // missing in German
    EXPECT_EQ(german.String(599), "");
    EXPECT_TRUE(german.FindResource("COLOROPT", Dialog));
    EXPECT_EQ(ZvParseDialogTexts(*german.FindResource("MONGAMMA", Dialog)).at(0), "Farben abgleichen");

    const ZvLangResources swiss(table, 0x0807); // another German: its own tag only
    EXPECT_EQ(swiss.String(512), "1-bit");
    EXPECT_FALSE(swiss.FindResource("MONGAMMA", Dialog));

    // Load string: at most size - 1 bytes, a character never cut in two.
    char buffer[64];
    EXPECT_EQ(german.LoadString(512, buffer, 64), 5);
    EXPECT_STREQ(buffer, "1 Bit");
    EXPECT_EQ(german.LoadString(512, buffer, 3), 2);
    EXPECT_STREQ(buffer, "1 ");
    EXPECT_EQ(german.LoadString(514, buffer, 16), 15);
    EXPECT_STREQ(buffer, "3 Graustufen \xC3\xBC");
    EXPECT_EQ(german.LoadString(514, buffer, 15), 13); // "ü" would not fit whole
    EXPECT_STREQ(buffer, "3 Graustufen ");
    EXPECT_EQ(german.LoadString(512, buffer, 0), 0);
    EXPECT_EQ(german.LoadString(599, buffer, 64), 0);
    EXPECT_STREQ(buffer, "");
}

TEST(Lang, LibraryCarriesItsStringsAndTemplates)
{
    const ZvLangResources english(ZvLibraryResources(), 0x0409);
    EXPECT_EQ(english.String(527), "16.7M truecolor");
    EXPECT_EQ(english.String(541), "Diaginal 1");
    EXPECT_EQ(english.String(570), "This color/dithering option is INVALID and can't be set.");
    const auto colorOpt = ZvParseDialogTexts(*english.FindResource("COLOROPT", platform::ResourceType::Dialog));
    EXPECT_EQ(colorOpt.at(0), "Color/dither options");
    EXPECT_EQ(colorOpt.at(107), "&Apply");
    EXPECT_TRUE(english.FindResource("GAMMA", platform::ResourceType::Bitmap));
}

TEST(Lang, DialogTextsSkipWhatIsNotAnEntry)
{
    const std::string text = "# comment\n0 Caption\r\n\n101 &Red light\nbad line\n12x nope\n";
    const ZvDialogTexts t = ZvParseDialogTexts(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t.at(0), "Caption");
    EXPECT_EQ(t.at(101), "&Red light");
}
