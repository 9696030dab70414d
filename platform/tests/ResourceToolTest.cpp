#include "TestFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

namespace {

// Runs qnrc on description; its exit status and what it printed.
std::pair<int, std::string> RunTool(const TestFolder& folder, const std::string& description)
{
    TestFolder::Write(folder / "bad.qnrc", description);
    const std::string command =
        std::string(QNRC_PATH) + " " + (folder / "bad.qnrc") + " " + (folder / "out.c") + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[256];
    while (size_t got = fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, got);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

} // namespace

TEST(ResourceTool, AFaultyDescriptionFailsTheBuildNamingTheLine)
{
    TestFolder folder;
    TestFolder::Write(folder / "not.bmp", std::string(60, 'x'));
    TestFolder::Write(folder / "bad.menu", "popup \"&File\" {\n    entry 1 \"x\"\n}\n");
    const struct {
        const char* description;
        const char* message;
    } cases[] = {
        {"string 1 \"a\"\nicon 2 file \"x\"\n", "bad.qnrc:2: unknown statement \"icon\""},
        {"string 1 \"no end\n", "bad.qnrc:1: a string has no closing quote"},
        {"string 1 \"a\"\nstring 1 \"b\"\n", "bad.qnrc:2: Resource 1 of type 6 is given twice"},
        {"\n\nbitmap 1 file \"missing.bmp\"\n", "bad.qnrc:3: Can't read file"},
        {"bitmap 1 file \"not.bmp\"\n", "bad.qnrc:1: a bitmap must be a BMP file"},
        {"rcdata 1 { u8 256 }\n", "bad.qnrc:1: a byte 256 is out of range"},
        {"rcdata 1 { u16 1\n", "bad.qnrc:1: a { block has no closing }"},
        {"resource \"PiPL\" 1 { fourcc \"kin\" }\n", "four-character code has four characters"},
        {"rcdata 1 { hex \"abc\" }\n", "hexadecimal digits come in pairs"},
        {"string x \"a\"\n", "expected a string id, found \"x\""},
        {"string 1 \"a\"\nmenu 130 file \"bad.menu\"\n", "bad.menu:2: unknown menu entry \"entry\""},
        {"\nmenu 131 { \"item 1 \\\"x\\\"\" }\n",
         "bad.qnrc (menu of line 2):1: the top level of a menu holds popups only"},
    };
    for (const auto& c : cases) {
        auto [status, output] = RunTool(folder, c.description);
        EXPECT_EQ(status, 1) << c.description;
        EXPECT_NE(output.find(c.message), std::string::npos) << c.description << "\n" << output;
        EXPECT_FALSE(std::filesystem::exists(folder / "out.c"));
    }
}
