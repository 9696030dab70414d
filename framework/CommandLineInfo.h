// What a program's command line asks for: files to open, printing, no
// splash. Switches start with "-", or with "/" when the word is a single
// name that is no existing file ("/p", "/HW1234"), so Linux paths such as
// "/home/ann/a.bmp" are never taken for switches.
#pragma once

#include <string>
#include <vector>

namespace fw {

class CommandLineInfo {
public:
    enum ShellCommand { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister, FileNothing };

    virtual ~CommandLineInfo() = default;

    // Called for each argument in order: param without its switch character
    // when isFlag; isLast for the last argument.
    virtual void ParseParam(const std::string& param, bool isFlag, bool isLast);

    // Whether an argument is a switch (and which), by the rule above.
    static bool IsSwitch(const std::string& arg, std::string* name = nullptr);

    bool showSplash = true;
    bool runEmbedded = false;
    bool runAutomated = false;
    ShellCommand shellCommand = FileNew;
    std::string fileName;
    std::string printerName;
    std::string driverName;
    std::string portName;

protected:
    void ParseParamFlag(const std::string& flag);
    void ParseParamNotFlag(const std::string& param);
    void ParseLast(bool isLast);
};

}  // namespace fw
