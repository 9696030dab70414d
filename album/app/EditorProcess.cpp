#include "album/app/EditorProcess.h"

#include <cerrno>
#include <cstdlib>

#include "framework/CommandLineInfo.h"

int64_t FindEditorProcess(const std::vector<std::string>& args)
{
    // Only a whole argument counts: a path such as "/data/HW2/a.ova" holds
    // "/HW" too, and must not name process 2.
    for (const std::string& arg : args) {
        if (arg.compare(0, 3, "/HW") != 0 || !fw::CommandLineInfo::IsSwitch(arg))
            continue;
        errno = 0;
        const long long id = std::strtoll(arg.c_str() + 3, nullptr, 10);
        return errno == 0 && id > 0 ? static_cast<int64_t>(id) : 0;
    }
    return 0;
}
