#include "editor/app/CommandLine.h"

#include <strings.h>

namespace {

bool Same(const std::string& a, const char* b)
{
    return ::strcasecmp(a.c_str(), b) == 0;
}

}  // namespace

bool LdIsCommandSwitch(const std::string& arg, std::string* name)
{
    if (arg.size() < 2)
        return false;
    if (arg[0] == '-') {
        if (name)
            *name = arg.substr(arg[1] == '-' && arg.size() > 2 ? 2 : 1);
        return true;
    }
    if (arg[0] != '/')
        return false;
    const std::string word = arg.substr(1);
    static const char* const fixed[] = {"p", "pt", "dde", "Embedding", "Automation", "Unregister", "Unregserver"};
    bool isSwitch = false;
    for (const char* f : fixed)
        isSwitch = isSwitch || Same(word, f);
    // "/HW" and its window number.
    isSwitch = isSwitch || (word.size() >= 2 && ::strncasecmp(word.c_str(), "HW", 2) == 0 &&
                            word.find_first_not_of("0123456789", 2) == std::string::npos);
    if (isSwitch && name)
        *name = word;
    return isSwitch;
}

void LdParseCommandLine(const std::vector<std::string>& args, fw::CommandLineInfo& info)
{
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name;
        const bool flag = LdIsCommandSwitch(args[i], &name);
        info.ParseParam(flag ? name : args[i], flag, i + 1 == args.size());
    }
}

void CMyCommandLineInfo::ParseParam(const std::string& param, bool isFlag, bool isLast)
{
    if (isFlag) {
        ParseParamFlag(param);
    } else if (fileName.empty()) {
        fileName = param;
        files.push_back(param);
    } else if (shellCommand == FilePrintTo && printerName.empty()) {
        printerName = param;
    } else if (shellCommand == FilePrintTo && driverName.empty()) {
        driverName = param;
    } else if (shellCommand == FilePrintTo && portName.empty()) {
        portName = param;
    } else {
        files.push_back(param);
    }
    ParseLast(isLast);
}
