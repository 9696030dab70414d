// A recording xdg-email first on PATH for as long as this lives: it keeps
// its arguments and a copy of the file it was given ("$2", the attachment),
// then does what it is told to. PATH is given back at the end.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

class RecordingXdgEmail {
public:
    // folder: where the script, its record and the copy go.
    explicit RecordingXdgEmail(const std::string& folder)
        : bin(folder + "/bin"), argsFile(folder + "/args"), seenFile(folder + "/seen")
    {
        const char* path = std::getenv("PATH");
        oldPath_ = path ? path : "";
        std::filesystem::create_directories(bin);
        OnPath(true);
    }
    ~RecordingXdgEmail() { setenv("PATH", oldPath_.c_str(), 1); }
    RecordingXdgEmail(const RecordingXdgEmail&) = delete;
    RecordingXdgEmail& operator=(const RecordingXdgEmail&) = delete;

    // The script runs ending after recording; shebang may name a shell
    // that does not exist.
    void Install(const std::string& ending, const std::string& shebang = "#!/bin/sh") const
    {
        const std::string script = bin + "/xdg-email";
        std::ofstream(script) << shebang << "\n"
                              << "printf '%s\\0' \"$@\" > '" << argsFile << "'\n"
                              << "cp \"$2\" '" << seenFile << "'\n"
                              << ending << "\n";
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    }
    // No script, no record, no copy.
    void Remove() const
    {
        for (const std::string& file : {bin + "/xdg-email", argsFile, seenFile})
            std::filesystem::remove(file);
    }
    // PATH is the script's folder, then the system's folders unless
    // withSystem is false (so that the system's xdg-email cannot answer).
    void OnPath(bool withSystem) const
    {
        setenv("PATH", (withSystem ? bin + ":/usr/bin:/bin" : bin).c_str(), 1);
    }

    // The arguments of the last run.
    std::vector<std::string> Args() const
    {
        std::vector<std::string> args;
        std::ifstream in(argsFile, std::ios::binary);
        for (std::string arg; std::getline(in, arg, '\0');)
            args.push_back(arg);
        return args;
    }

    const std::string bin;
    const std::string argsFile;
    const std::string seenFile;

private:
    std::string oldPath_;
};
