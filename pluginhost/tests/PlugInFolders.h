// Plug-in folders for one test, assembled from the test modules the build
// made, with a log of what the modules were asked to do.
#pragma once

#include "HostRestart.h"
#include "platform/tests/TestFolder.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

class PlugInFolders {
public:
    PlugInFolders() { setenv("FXGATE_TEST_LOG", Log().c_str(), 1); }
    ~PlugInFolders()
    {
        ForgetHostStart();
        unsetenv("FXGATE_TEST_LOG");
    }

    const TestFolder& Root() const { return root_; }
    // A folder under the root, made when missing.
    std::string Folder(const std::string& name) const
    {
        std::filesystem::create_directories(root_ / name);
        return root_ / name;
    }
    // Copies a test module ("invert") into a folder under a file name.
    void AddModule(const std::string& folder, const std::string& module, const std::string& fileName = "") const
    {
        std::filesystem::copy_file(std::string(FXGATE_TEST_MODULES) + "/" + module + ".8bf",
                                   Folder(folder) + "/" + (fileName.empty() ? module + ".8bf" : fileName),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    std::string Log() const { return root_ / "modules.log"; }
    std::string LogText() const { return TestFolder::Read(Log()); }
    std::string CatalogueFile() const { return root_ / "Telvy12.DAT"; }

private:
    TestFolder root_;
};
