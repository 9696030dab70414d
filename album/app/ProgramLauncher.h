// Starts another program and does not wait for it (the editor, the web
// browser). Tests put a recording launcher in its place.
#pragma once

#include <string>
#include <vector>

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Each argument reaches the program whole, blanks and quotes included,
    // as a quoted argument of the system's command line does. False when the
    // program could not be started.
    virtual bool Start(const std::string& program, const std::vector<std::string>& args) = 0;
};

// Starts the program as a process of its own that outlives the album.
class DetachedLauncher : public ProgramLauncher {
public:
    bool Start(const std::string& program, const std::vector<std::string>& args) override;
};
