// The editor names itself on the album's command line as "/HW<process id>".
#include <gtest/gtest.h>

#include "album/app/EditorProcess.h"

namespace {

TEST(EditorProcess, FoundOnlyInAWholeSwitchWithAProcessId)
{
    struct Case {
        std::vector<std::string> args;
        int64_t editor;
    } const cases[] = {
        {{"/HW1234"}, 1234},
        {{"album.ova", "/HW77"}, 77},
        {{"/HW12ab"}, 12},            // the number ends at the first other character
        {{"/HW5", "/HW6"}, 5},        // the first one counts
        {{}, 0},
        {{"album.ova"}, 0},
        {{"/HWabc"}, 0},              // no number: 0, so no editor
        {{"/HW"}, 0},
        {{"/HW-5"}, 0},               // no process has that id
        {{"/HW99999999999999999999"}, 0},
        {{"/data/HW2/a.ova"}, 0},     // a path that holds "/HW"
        {{"x/HW5"}, 0},
        {{"-HW5"}, 0},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const auto& a : c.args)
            line += a + " ";
        EXPECT_EQ(FindEditorProcess(c.args), c.editor) << line;
    }
}

}  // namespace
