// Plays short wave sounds without waiting for them (button clicks, bar
// slides). The sound comes from a file or from bytes of a wave resource.
// The backend is Qt Multimedia, from a module loaded with the first sound
// (so that the audio stack does not load with the program), or silent:
// tests and machines without audio install the silent or a recording
// backend, and a missing module plays nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    // Starts playing the wave data; returns false when it cannot.
    virtual bool Play(const std::vector<uint8_t>& wave, const std::string& name) = 0;
};

// Plays nothing and says so.
class SilentSoundBackend : public SoundBackend {
public:
    bool Play(const std::vector<uint8_t>&, const std::string&) override { return false; }
};

class Sound {
public:
    // The backend in use: Qt Multimedia unless QN_SOUND=silent is set, its
    // module does not load or another backend was installed.
    static SoundBackend& Backend();
    static std::unique_ptr<SoundBackend> SetBackend(std::unique_ptr<SoundBackend> backend);

    static bool PlayWave(const std::vector<uint8_t>& wave, const std::string& name = {});
    static bool PlayFile(const std::string& path);
};

}  // namespace fw
