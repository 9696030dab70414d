#include "platform/LangResources.h"
#include "platform/LanguageId.h"
#include "platform/ResourceSectionWriter.h"

#include <gtest/gtest.h>

#include <cstdlib>

using platform::LangResources;

namespace {

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

} // namespace

TEST(LangResources, LookupsFallBackToTheOrdinaryResources)
{
    using platform::ResourceType::Dialog;
    using platform::ResourceType::String;
    platform::ResourceSectionWriter w;
    w.Add(String, 512, Bytes("1-bit"));
    w.Add(String, 513, Bytes("1-bit with dithering"));
    w.Add(LangResources::TaggedType(String, 0x0407), 512, Bytes("1 Bit"));
    w.Add(LangResources::TaggedType(String, 0x0407), 514, Bytes("3 Graustufen \xC3\xBC"));
    w.Add(LangResources::TaggedType(String, 0x0807), 513, Bytes("1 Bit gerastert"));
    w.Add(Dialog, "COLOROPT", Bytes("0 Color/dither options\n106 &Fast view\n"));
    w.Add(LangResources::TaggedType(Dialog, 0x0407), "MONGAMMA", Bytes("0 Farben abgleichen\n"));
    const std::vector<uint8_t> bytes = w.Bytes();
    const auto table = platform::ResourceTable::FromBytes(bytes);

    const LangResources german(table, 0x0407);
    EXPECT_EQ(german.String(512), "1 Bit");
    EXPECT_EQ(german.String(513), "1-bit with dithering"); // missing in German
    EXPECT_EQ(german.FindString(599), std::nullopt);
    EXPECT_TRUE(german.FindResource("COLOROPT", Dialog));
    EXPECT_EQ(platform::ParseDialogTexts(*german.FindResource("MONGAMMA", Dialog)).at(0), "Farben abgleichen");

    const LangResources swiss(table, 0x0807); // another German: its own tag only
    EXPECT_EQ(swiss.String(512), "1-bit");
    EXPECT_FALSE(swiss.FindResource("MONGAMMA", Dialog));

    // The system's own lookup for a Swiss user: Swiss German, then German,
    // then the ordinary English.
    const LangResources ordinarySwiss(table, LangResources::OrdinaryLanguages(0x0807));
    EXPECT_EQ(ordinarySwiss.String(512), "1 Bit");
    EXPECT_EQ(ordinarySwiss.String(513), "1 Bit gerastert");
    EXPECT_TRUE(ordinarySwiss.FindResource("MONGAMMA", Dialog));

    // English first: the ordinary resources, whatever comes after it.
    const LangResources english(table, std::vector<uint16_t>{0x0809, 0x0407});
    EXPECT_EQ(english.String(512), "1-bit");
    EXPECT_FALSE(english.FindResource("MONGAMMA", Dialog));

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

TEST(LangResources, OrdinaryLanguagesAddThePrimaryLanguage)
{
    EXPECT_EQ(LangResources::OrdinaryLanguages(0x0807), (std::vector<uint16_t>{0x0807, 0x0407}));
    EXPECT_EQ(LangResources::OrdinaryLanguages(0x0407), (std::vector<uint16_t>{0x0407}));
    EXPECT_EQ(LangResources::OrdinaryLanguages(0x0007), (std::vector<uint16_t>{0x0007, 0x0407}));
}

TEST(LangResources, DialogTextsSkipWhatIsNotAnEntry)
{
    const std::string text = "# comment\n0 Caption\r\n\n101 &Red light\nbad line\n12x nope\n";
    const platform::DialogTexts t =
        platform::ParseDialogTexts(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t.at(0), "Caption");
    EXPECT_EQ(t.at(101), "&Red light");
}

TEST(LangResources, SystemLanguageFromTheLocale)
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
        EXPECT_EQ(platform::LangIdOfLocale(c.locale), c.want) << c.locale;

    setenv("LC_ALL", "", 1);
    setenv("LC_MESSAGES", "fr_BE.UTF-8", 1);
    setenv("LANG", "de_DE.UTF-8", 1);
    EXPECT_EQ(platform::SystemDefaultLangId(), 0x080C);
    setenv("LC_ALL", "it_IT", 1);
    EXPECT_EQ(platform::SystemDefaultLangId(), 0x0410);
}
