// Starts another program of the suite without waiting for it (the screen
// saver the wizard hands over to). Tests record the calls instead.
#pragma once

#include <string>
#include <vector>

class CLdProgramLauncher {
public:
    virtual ~CLdProgramLauncher() = default;

    // False, with the system's reason in *error, when program cannot be run.
    virtual bool Start(const std::string& program, const std::vector<std::string>& args, std::string* error) = 0;

    // A detached process of its own, left running when the editor ends.
    static CLdProgramLauncher& Detached();
};
