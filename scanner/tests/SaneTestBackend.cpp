#include "scanner/tests/SaneTestBackend.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

struct ConfigFolder {
    std::string path;
    ConfigFolder()
    {
        char pattern[] = "/tmp/qnsane-XXXXXX";
        path = ::mkdtemp(pattern);
        ::setenv("SANE_CONFIG_DIR", path.c_str(), 1);
        // The scanner keeps its choices in the user's config folder: a test
        // that has none of its own uses this one.
        ::setenv("QN_CONFIG_HOME", path.c_str(), 0);
    }
    ~ConfigFolder() { std::filesystem::remove_all(path); }
};

}  // namespace

SaneTestBackend::SaneTestBackend(const std::vector<std::string>& settings, bool withTestDevice)
{
    static ConfigFolder folder;
    std::ofstream(folder.path + "/dll.conf") << (withTestDevice ? "test\n" : "");
    std::ofstream conf(folder.path + "/test.conf");
    conf << "number_of_devices 1\nresolution 50.0\ntest-picture \"Grid\"\n";
    for (const std::string& line : settings)
        conf << line << "\n";
}
