// The screen-saver wizard's work on a picture: the picture file the savers
// read, then for the saver the user chose its registry values ("Name" and
// "Path", both the file's path, under the saver's own key, through the
// savers' own settings code) and its start without a switch, which opens
// the saver's settings dialog.
#pragma once

#include "platform/RegistryStore.h"

#include <cstdint>
#include <string>
#include <vector>

class CLdProgramLauncher;

class CLdSaverSetup {
public:
    static constexpr const char* kPictureFileName = "lodo40ss.bmp";

    // folder: where the picture file goes (ending in "/"); programFolder:
    // where the saver programs lie, beside the editor (ending in "/").
    CLdSaverSetup(std::string folder, platform::RegistryStore registry, CLdProgramLauncher& launcher,
                  std::string programFolder);

    // The savers offered, in the order of the list.
    static const std::vector<std::string>& Savers();

    std::string PicturePath() const { return folder_ + kPictureFileName; }
    // Raises QnExcept with the system's reason; the old file then stays.
    void WritePicture(const void* dib, uint32_t size) const;

    // The saver's name in capitals, as its registry key spells it ("WHIRL").
    static std::string SaverName(const std::string& choice);
    // The saver's program file ("<program folder>whirl").
    std::string SaverProgram(const std::string& choice) const;

    // Records the picture for the saver chosen and starts the saver. A value
    // that cannot be stored or a saver that cannot be started raises
    // QnExcept; the saver is not started without its values.
    void Install(const std::string& choice) const;

private:
    std::string folder_;
    platform::RegistryStore registry_;
    CLdProgramLauncher& launcher_;
    std::string programFolder_;
};
