// The editor's effect modules as a test, a benchmark or the build (the tool
// palette's default previews) runs them: the ones built beside the program,
// each told once (its settings under config, which becomes the suite's
// config folder) that the editor runs it, as after its first run.
// SetEffectModuleFolder("") undoes the first half.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "editor/effects/EffectModuleFolder.h"
#include "filters/sdk/PIFilter.h"
#include "platform/IniFile.h"

inline void UseProgramEffectModules(const std::string& programFolder, const std::filesystem::path& config)
{
    SetEffectModuleFolder(programFolder);
    setenv("QN_CONFIG_HOME", config.c_str(), 1);
    for (const char* stem : {"rubber", "OVARTG", "Fxrun", "edges"}) {
        std::filesystem::create_directories(config / stem);
        platform::IniFile ini((config / stem / (std::string(stem) + ".INI")).string());
        ini.WriteInt("Host", "Hostnum", 0);
        ini.WriteInt("Host", "Hostsign", int32_t(PI_HOST_SIG_EDITOR));
    }
}
