#include "framework/CommandLineInfo.h"

#include <strings.h>
#include <sys/stat.h>

namespace fw {
namespace {

bool Same(const std::string& a, const char* b)
{
    return ::strcasecmp(a.c_str(), b) == 0;
}

}  // namespace

bool CommandLineInfo::IsSwitch(const std::string& arg, std::string* name)
{
    if (arg.size() < 2)
        return false;
    bool isSwitch = false;
    if (arg[0] == '-') {
        isSwitch = true;
    } else if (arg[0] == '/') {
        struct stat st {};
        isSwitch = arg.find('/', 1) == std::string::npos && ::stat(arg.c_str(), &st) != 0;
    }
    if (isSwitch && name) {
        size_t skip = 1;
        if (arg[0] == '-' && arg.size() > 2 && arg[1] == '-')
            skip = 2;  // "--nologo" as well as "-nologo"
        *name = arg.substr(skip);
    }
    return isSwitch;
}

void CommandLineInfo::ParseParam(const std::string& param, bool isFlag, bool isLast)
{
    if (isFlag)
        ParseParamFlag(param);
    else
        ParseParamNotFlag(param);
    ParseLast(isLast);
}

void CommandLineInfo::ParseParamFlag(const std::string& flag)
{
    if (Same(flag, "pt"))
        shellCommand = FilePrintTo;
    else if (Same(flag, "p"))
        shellCommand = FilePrint;
    else if (Same(flag, "Unregister") || Same(flag, "Unregserver"))
        shellCommand = AppUnregister;
    else if (Same(flag, "dde"))
        shellCommand = FileDDE;
    else if (Same(flag, "Embedding")) {
        runEmbedded = true;
        showSplash = false;
    } else if (Same(flag, "Automation")) {
        runAutomated = true;
        showSplash = false;
    } else if (Same(flag, "nologo") || Same(flag, "nosplash")) {
        showSplash = false;
    }
    // Other switches belong to the program (it reads them from the arguments).
}

void CommandLineInfo::ParseParamNotFlag(const std::string& param)
{
    if (fileName.empty())
        fileName = param;
    else if (shellCommand == FilePrintTo && printerName.empty())
        printerName = param;
    else if (shellCommand == FilePrintTo && driverName.empty())
        driverName = param;
    else if (shellCommand == FilePrintTo && portName.empty())
        portName = param;
}

void CommandLineInfo::ParseLast(bool isLast)
{
    if (isLast && shellCommand == FileNew && !fileName.empty())
        shellCommand = FileOpen;
}

}  // namespace fw
