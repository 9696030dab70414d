#include "editor/ui/ProgramEnvironment.h"

#include "framework/Clipboard.h"
#include "framework/Sound.h"

#include <string>
#include <vector>

namespace {

platform::ResourceTable& Resources()
{
    static platform::ResourceTable table;
    return table;
}

std::function<bool()>& SoundSwitch()
{
    static std::function<bool()> soundOn;
    return soundOn;
}

}  // namespace

void LdSetProgramResources(platform::ResourceTable table)
{
    Resources() = std::move(table);
}

const platform::ResourceTable& LdProgramResources()
{
    return Resources();
}

void LdSetSoundSwitch(std::function<bool()> soundOn)
{
    SoundSwitch() = std::move(soundOn);
}

bool LdSoundOn()
{
    return !SoundSwitch() || SoundSwitch()();
}

bool LdPlayProgramWave(uint32_t id)
{
    if (!LdSoundOn())
        return false;
    const auto wave = LdProgramResources().Find(platform::ResourceName("WAVE"), id);
    if (!wave)
        return false;
    return fw::Sound::PlayWave(std::vector<uint8_t>(wave->begin(), wave->end()), "WAVE " + std::to_string(id));
}

std::optional<QImage> LdLoadProgramBitmap(uint32_t id)
{
    const auto dib = LdProgramResources().Find(platform::ResourceType::Bitmap, id);
    if (!dib)
        return std::nullopt;
    return fw::Clipboard::DibToImage(std::vector<uint8_t>(dib->begin(), dib->end()));
}
