// The editor's command line: the framework's switches plus a list of every
// file named. Options are "-x" words and the fixed "/" switches of the
// system ("/p", "/pt", "/dde", "/Embedding", "/Automation", "/Unregister",
// "/HW..."); any other argument is a file, also when it begins with "/".
#pragma once

#include <string>
#include <vector>

#include "framework/CommandLineInfo.h"

class CMyCommandLineInfo : public fw::CommandLineInfo {
public:
    void ParseParam(const std::string& param, bool isFlag, bool isLast) override;
    std::vector<std::string> files;
};

// Whether arg is an option by the rule above, and its name.
bool LdIsCommandSwitch(const std::string& arg, std::string* name);
// Feeds every argument to info in turn.
void LdParseCommandLine(const std::vector<std::string>& args, fw::CommandLineInfo& info);
