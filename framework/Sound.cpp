#include "framework/Sound.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QPointer>
#include <QDir>
#include <QFile>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QUrl>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>

namespace fw {
namespace {

// Qt Multimedia plays sound effects from files: a resource's bytes are
// written once to a cache file named after their hash.
class QtSoundBackend : public SoundBackend {
public:
    bool Play(const std::vector<uint8_t>& wave, const std::string&) override
    {
        if (wave.empty() || !QCoreApplication::instance())
            return false;
        const QByteArray bytes(reinterpret_cast<const char*>(wave.data()), static_cast<qsizetype>(wave.size()));
        const QString key = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
        auto it = effects_.find(key);
        if (it == effects_.end()) {
            const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/sounds";
            QDir().mkpath(folder);
            const QString path = folder + '/' + key + ".wav";
            QFile file(path);
            if (!file.exists()) {
                if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                    return false;
                file.close();
            }
            // The effects belong to the application object, so that they go
            // with it: destroyed later, from the backend's static, they
            // would tear down Qt Multimedia after it is gone.
            auto* effect = new QSoundEffect(QCoreApplication::instance());
            effect->setSource(QUrl::fromLocalFile(path));
            it = effects_.emplace(key, effect).first;
        }
        if (!it->second)
            return false;
        it->second->play();
        return true;
    }

private:
    std::map<QString, QPointer<QSoundEffect>> effects_;
};

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
            backend = std::make_unique<QtSoundBackend>();
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
