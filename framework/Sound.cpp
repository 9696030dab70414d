#include "framework/Sound.h"

#include <QFile>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "platform/Module.h"

namespace fw {
namespace {

// The Qt Multimedia backend from its module beside the program; silent when
// the module is missing or broken.
std::unique_ptr<SoundBackend> LoadQtBackend()
{
    // Never unloaded: the backend's code lives in it until the process ends.
    static platform::Module* module = new platform::Module;
    if (!module->IsLoaded() && !module->Load("fwqtsound.so"))
        return std::make_unique<SilentSoundBackend>();
    using Create = SoundBackend*();
    Create* create = module->Entry<Create>("fw_CreateQtSoundBackend");
    if (!create)
        return std::make_unique<SilentSoundBackend>();
    return std::unique_ptr<SoundBackend>(create());
}

std::mutex backendMutex;
std::unique_ptr<SoundBackend>& Current()
{
    static std::unique_ptr<SoundBackend> backend;
    return backend;
}

}  // namespace

SoundBackend& Sound::Backend()
{
    std::lock_guard lock(backendMutex);
    auto& backend = Current();
    if (!backend) {
        const char* mode = std::getenv("QN_SOUND");
        if (mode && std::strcmp(mode, "silent") == 0)
            backend = std::make_unique<SilentSoundBackend>();
        else
            backend = LoadQtBackend();
    }
    return *backend;
}

std::unique_ptr<SoundBackend> Sound::SetBackend(std::unique_ptr<SoundBackend> backend)
{
    std::lock_guard lock(backendMutex);
    std::swap(Current(), backend);
    return backend;
}

bool Sound::PlayWave(const std::vector<uint8_t>& wave, const std::string& name)
{
    return Backend().Play(wave, name);
}

bool Sound::PlayFile(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    return PlayWave(std::vector<uint8_t>(bytes.begin(), bytes.end()), path);
}

}  // namespace fw
