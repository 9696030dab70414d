// Where settings and data files are kept: the user's config folder
// ($XDG_CONFIG_HOME/<owner>/, else ~/.config/<owner>/) rather than the
// program's folder, which the user may not be able to write. A file that is
// not there yet is first copied from the default shipped beside the program.
#pragma once

#include <string>

namespace platform {

class SettingsLocation {
public:
    // The folder that holds every owner's folder: $QN_CONFIG_HOME (for tests
    // and special set-ups), else $XDG_CONFIG_HOME, else $HOME/.config. Only
    // absolute paths count. No trailing "/".
    static std::string ConfigRoot();

    // <config root>/<owner>/, made (mode 0700) when missing. A folder that
    // cannot be made is not an error here: reads then give defaults and
    // writes report the failure.
    static std::string ConfigFolder(const std::string& owner);

    // Path of the settings or data file fileName of owner. When it does not
    // exist yet and shippedFolder holds a file of that name, that file is
    // copied in first. Never raises: a copy that fails leaves the file absent.
    static std::string SettingsFile(const std::string& fileName, const std::string& owner,
                                    const std::string& shippedFolder);

    // The running program's settings file, "<program>.INI", kept under the
    // program's name and copied from beside the program on first use.
    static std::string ProgramSettingsFile(const std::string& extension = ".INI");
};

} // namespace platform
