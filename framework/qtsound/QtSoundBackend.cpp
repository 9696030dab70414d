// The sound backend on Qt Multimedia, a module of its own: Qt Multimedia and
// the audio stack it brings load with the first sound played, not with the
// program. Qt Multimedia plays sound effects from files: a resource's bytes
// are written once to a cache file named after their hash.
#include "framework/Sound.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QUrl>
#include <map>

namespace {

class QtSoundBackend : public fw::SoundBackend {
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

}  // namespace

extern "C" __attribute__((visibility("default"))) fw::SoundBackend* fw_CreateQtSoundBackend()
{
    return new QtSoundBackend;
}
