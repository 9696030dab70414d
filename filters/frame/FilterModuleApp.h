// The module's application object: made at the first entry call of a load,
// it finds the module's own file, names its settings file after it and
// reads the host chosen last time. A module reads its settings at every
// load and keeps nothing else from one load to the next.
#pragma once

#include "platform/IniFile.h"

#include <string>

class FilterModuleApp {
public:
    static FilterModuleApp& Get();

    // "<module stem>.INI" of the module at modulePath: the name cut at its
    // last "." (of the file name, never of a folder) and ".INI" added.
    static std::string ProfileName(const std::string& modulePath);

    // The module's settings (sections "Host", "PREVIEW" and one per filter),
    // kept in the user's config folder under the module's name and first
    // copied from the file shipped beside the module.
    platform::IniFile& Profile() { return profile_; }
    const std::string& ModulePath() const { return modulePath_; }
    // The module's help: "<module stem>.HLP" beside the module.
    const std::string& HelpFile() const { return helpFile_; }
    // Opens help topic id of the module.
    void WinHelp(uint32_t id) const;

private:
    FilterModuleApp();
    void InitInstance();

    std::string modulePath_;
    std::string helpFile_;
    platform::IniFile profile_;
};
