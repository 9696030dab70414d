#include "tasks/module/LdSaverSetup.h"

#include "base/QnExcept.h"
#include "savers/SaverSettings.h"
#include "tasks/module/LdPictureFile.h"
#include "tasks/module/LdProgramLauncher.h"

#include <algorithm>
#include <cctype>

CLdSaverSetup::CLdSaverSetup(std::string folder, platform::RegistryStore registry, CLdProgramLauncher& launcher,
                             std::string programFolder)
    : folder_(std::move(folder)), registry_(std::move(registry)), launcher_(launcher),
      programFolder_(std::move(programFolder))
{
}

const std::vector<std::string>& CLdSaverSetup::Savers()
{
    static const std::vector<std::string> savers = {"Whirl", "Zoom"};
    return savers;
}

void CLdSaverSetup::WritePicture(const void* dib, uint32_t size) const
{
    CLdPictureFile::Write(PicturePath(), dib, size);
}

std::string CLdSaverSetup::SaverName(const std::string& choice)
{
    std::string name = choice;
    for (char& c : name)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

std::string CLdSaverSetup::SaverProgram(const std::string& choice) const
{
    // The programs are installed under their names in small letters.
    std::string file = choice;
    for (char& c : file)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return programFolder_ + file;
}

void CLdSaverSetup::Install(const std::string& choice) const
{
    // The name becomes a key and a program file: only the savers offered.
    if (std::find(Savers().begin(), Savers().end(), choice) == Savers().end())
        throw QnExcept(("There is no screen saver \"" + choice + "\".").c_str(), "LdSaverSetup", __LINE__);
    const std::string path = PicturePath();
    SaverSettings settings(registry_, SaverName(choice));
    settings.WriteString(kSaverName, path);
    settings.WriteString(kSaverPath, path);

    // No switch: the saver opens its settings dialog.
    const std::string program = SaverProgram(choice);
    std::string reason;
    if (!launcher_.Start(program, {}, &reason))
        throw QnExcept(("Can't start the screen saver " + program + ": " + reason).c_str(), "LdSaverSetup",
                       __LINE__);
}
