#include "platform/IniDocument.h"

#include "base/QnExcept.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using platform::IniDocument;

namespace {

struct ReadCase {
    const char* what;
    const char* text;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

const ReadCase kReadCases[] = {
    {"section and key without case", "[Color]\nFore_R=12\n", "COLOR", "fore_r", "12"},
    {"first of duplicate keys", "[S]\nk=1\nK=2\n", "S", "k", "1"},
    {"first of duplicate sections only", "[S]\na=1\n[s]\nb=2\n", "S", "b", std::nullopt},
    {"key of the first duplicate section", "[S]\na=1\n[s]\na=2\n", "s", "a", "1"},
    {"comment lines are not keys", "[S]\n;k=1\n# k=3\nk=2\n", "S", "k", "2"},
    {"blanks around names and value", "[ S ]\n  k \t=  v w \t\n", "S", "k", "v w"},
    {"double quotes dropped", "[S]\nk=\"  padded  \"\n", "S", "k", "  padded  "},
    {"single quotes dropped", "[S]\nk='x'\n", "S", "k", "x"},
    {"unmatched quotes kept", "[S]\nk=\"x'\n", "S", "k", "\"x'"},
    {"lone quote kept", "[S]\nk=\"\n", "S", "k", "\""},
    {"empty value is present", "[S]\nk=\n", "S", "k", ""},
    {"later equals signs belong to the value", "[S]\nk=a=b\n", "S", "k", "a=b"},
    {"CRLF line endings", "[S]\r\nk=v\r\n", "S", "k", "v"},
    {"no final line ending", "[S]\nk=v", "S", "k", "v"},
    {"byte-order mark before the first section", "\xEF\xBB\xBF[S]\nk=v\n", "S", "k", "v"},
    {"keys before any section belong to none", "k=1\n[S]\n", "S", "k", std::nullopt},
    {"malformed lines skipped", "[S]\ngarbage\n[broken\n=nokey\nk=v\n", "S", "k", "v"},
    {"key of another section", "[A]\nk=1\n[B]\n", "B", "k", std::nullopt},
    {"absent section", "[A]\nk=1\n", "C", "k", std::nullopt},
    {"empty text", "", "S", "k", std::nullopt},
};

struct WriteCase {
    const char* what;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

const WriteCase kWriteCases[] = {
    {"value replaced in place, spacing kept", "; head\n[A]\nx = 1\n\n[B]\ny=2\n", "a", "X", "5",
     "; head\n[A]\nx = 5\n\n[B]\ny=2\n"},
    {"first duplicate replaced", "[A]\nk=1\nk=2\n[a]\nk=3\n", "A", "k", "9", "[A]\nk=9\nk=2\n[a]\nk=3\n"},
    {"new key after the section's last key", "[A]\na=1\n\n; about B\n[B]\nb=2\n", "A", "c", "3",
     "[A]\na=1\nc=3\n\n; about B\n[B]\nb=2\n"},
    {"new key in an empty section", "[A]\n[B]\n", "A", "k", "v", "[A]\nk=v\n[B]\n"},
    {"new section at the end", "[A]\na=1\n", "B", "k", "v", "[A]\na=1\n\n[B]\nk=v\n"},
    {"new section after a last line without ending", "[A]\na=1", "B", "k", "v", "[A]\na=1\n\n[B]\nk=v\n"},
    {"new key after a last line without ending", "[A]\na=1", "A", "b", "2", "[A]\na=1\nb=2\n"},
    {"CRLF kept for added lines", "[A]\r\na=1\r\n", "A", "b", "2", "[A]\r\na=1\r\nb=2\r\n"},
    {"empty text", "", "S", "k", "v", "[S]\nk=v\n"},
    {"byte-order mark kept", "\xEF\xBB\xBF[S]\nk=1\n", "S", "k", "2", "\xEF\xBB\xBF[S]\nk=2\n"},
    {"blanks kept by quoting", "[S]\n", "S", "k", "  x ", "[S]\nk=\"  x \"\n"},
    {"quoted-looking value kept by quoting", "[S]\n", "S", "k", "'q'", "[S]\nk=\"'q'\"\n"},
    {"a last line's lone carriage return kept before a new key", "[A]\na=1\r", "A", "b", "2",
     "[A]\na=1\r\r\nb=2\n"},
    {"a last line's lone carriage return kept before a new section", "[A]\r\na=1\r", "B", "k", "v",
     "[A]\r\na=1\r\r\n\r\n[B]\r\nk=v\r\n"},
    {"malformed and comment lines untouched", "[S]\n;c\njunk\nk=1\n", "S", "k", "-4", "[S]\n;c\njunk\nk=-4\n"},
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.what; }
void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.what; }

class IniRead : public testing::TestWithParam<ReadCase> {};
class IniWrite : public testing::TestWithParam<WriteCase> {};

std::string CaseName(const char* what)
{
    std::string name;
    for (const char* p = what; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
}

} // namespace

TEST_P(IniRead, FindsTheValueAsTheProfileFunctionsDo)
{
    const ReadCase& c = GetParam();
    EXPECT_EQ(IniDocument::Parse(c.text).Get(c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniRead, testing::ValuesIn(kReadCases),
                         [](const auto& info) { return CaseName(info.param.what); });

TEST_P(IniWrite, ChangesOneLineAndKeepsTheRestByteForByte)
{
    const WriteCase& c = GetParam();
    IniDocument document = IniDocument::Parse(c.before);
    document.Set(c.section, c.key, c.value);
    EXPECT_EQ(document.Text(), c.after);
    EXPECT_EQ(IniDocument::Parse(document.Text()).Get(c.section, c.key), c.value);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniWrite, testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return CaseName(info.param.what); });

TEST(IniDocument, UnchangedTextComesBackByteForByte)
{
    const std::string text = "\xEF\xBB\xBF; c\r\n[A]\r\n  k = v \n\njunk\n[b\n=x\nlast";
    EXPECT_EQ(IniDocument::Parse(text).Text(), text);
}

TEST(IniDocument, AWriteKeepsEveryOtherValueByteForByte)
{
    // The last value ends in a carriage return that no "\n" follows.
    const char* texts[] = {"[A]\na=1\r", "[A]\r\na=1\r", "[A]\na=\"q\" \r", "[A]\na=1\r\r", "[A]\na=\r"};
    const char* writes[][2] = {{"A", "b"}, {"A", "a2"}, {"B", "k"}};
    for (const char* text : texts) {
        const std::optional<std::string> before = IniDocument::Parse(text).Get("A", "a");
        ASSERT_TRUE(before && before->back() == '\r') << text;
        for (const auto& [section, key] : writes) {
            IniDocument document = IniDocument::Parse(text);
            document.Set(section, key, "v");
            EXPECT_EQ(IniDocument::Parse(document.Text()).Get("A", "a"), before) << text << " " << section;
            EXPECT_EQ(document.Text().substr(0, std::string(text).size()), text) << section;
        }
    }
}

TEST(IniDocument, RefusesNamesAndValuesTheFileCouldNotHoldBack)
{
    const char* bad[][3] = {
        {"S", "a\nb", "v"}, {"S", "a=b", "v"}, {"S", "", "v"}, {"S", "[k", "v"},
        {"a]b", "k", "v"}, {"", "k", "v"}, {"S\r", "k", "v"}, {"S", "k", "x\ny"},
    };
    for (const auto& names : bad) {
        IniDocument document = IniDocument::Parse("[S]\nk=1\n");
        EXPECT_THROW(document.Set(names[0], names[1], names[2]), QnExcept) << names[0] << "/" << names[1];
        EXPECT_EQ(document.Text(), "[S]\nk=1\n");
    }
}
