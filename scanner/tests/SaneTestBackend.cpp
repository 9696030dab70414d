#include "scanner/tests/SaneTestBackend.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

struct ConfigFolder {
    std::string path;
    ConfigFolder()
    {
        // The back end stays loaded when SANE lets it go, so that what it
        // leaves behind keeps its module's name (see below).
        ::dlopen(QN_SANE_BACKEND_DIR "/libsane-test.so.1", RTLD_LAZY | RTLD_NODELETE);
        char pattern[] = "/tmp/qnsane-XXXXXX";
        path = ::mkdtemp(pattern);
        ::setenv("SANE_CONFIG_DIR", path.c_str(), 1);
        // The scanner keeps its choices in the user's config folder: a test
        // that has none of its own (only the one all tests share) uses this
        // one, so that tests running side by side do not see each other's.
        const char* config = ::getenv("QN_CONFIG_HOME");
        if (!config || std::string(config) == QN_SHARED_TEST_CONFIG)
            ::setenv("QN_CONFIG_HOME", path.c_str(), 1);
    }
    ~ConfigFolder() { std::filesystem::remove_all(path); }
};

}  // namespace

SaneTestBackend::SaneTestBackend(const std::vector<std::string>& settings, bool withTestDevice)
{
    static ConfigFolder folder;
    std::ofstream(folder.path + "/dll.conf") << (withTestDevice ? "test\n" : "");
    std::ofstream conf(folder.path + "/test.conf");
    // Every setting is written: the back end stays loaded, so one left out
    // would keep the value an earlier test gave it.
    conf << "number_of_devices 1\nmode Gray\ndepth 8\nhand-scanner false\nthree-pass false\n"
            "three-pass-order RGB\nresolution_min 1.0\nresolution_max 1200.0\nresolution_quant 1.0\n"
            "resolution 50.0\ntest-picture \"Grid\"\ninvert-endianess false\nread-limit false\n"
            "read-limit-size 1\nread-delay false\nread-delay-duration 1000\nread-status-code \"Default\"\n"
            "fuzzy-parameters false\nppl-loss 0\nnon-blocking false\nselect-fd false\n"
            "enable-test-options false\ngeometry_min 0.0\ngeometry_max 200.0\ngeometry_quant 1.0\n"
            "tl_x 0.0\ntl_y 0.0\nbr_x 80.0\nbr_y 100.0\n";
    for (const std::string& line : settings)
        conf << line << "\n";
}

// A scan stopped halfway stops the test back end's reader thread, whose
// buffers are then never freed: its leak, not ours, and the only one the
// leak checker is told to pass over.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libsane-test.so\n";
}
