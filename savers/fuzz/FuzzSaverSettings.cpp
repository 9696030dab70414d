// The savers' settings read on any registry store file: the four values a
// saver reads at start, then a write of one of them, which reads back.
#include "platform/tests/TestFolder.h"
#include "savers/SaverSettings.h"

#include "base/QnExcept.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Every input is written to a file and a value written back: kept in
    // memory where there is room, rather than synced to a disk.
    if (access("/dev/shm", W_OK) == 0)
        setenv("TMPDIR", "/dev/shm", 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TestFolder folder;
    const std::string path = folder / "registry";
    // Written in place, as another program's editor might: the stamp alone
    // may not tell one input from the last.
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), long(size));

    SaverSettings settings(platform::RegistryStore(path), size % 2 ? "WHIRL" : "zoom");
    settings.GetString(kSaverPath, "");
    const int32_t sizePercent = settings.GetInt(kSaverSize, 10);
    const int32_t written = int32_t(size % 1000);
    settings.GetInt(kSaverWhirl, 30);
    settings.GetInt(kSaverScreen, 0);
    try {
        settings.WriteInt(kSaverSize, written);
    } catch (const QnExcept&) {
        Check(settings.GetInt(kSaverSize, 10) == sizePercent); // the store was not this program's: unchanged
        return 0;
    }
    Check(settings.GetInt(kSaverSize, 10) == written);
    return 0;
}
