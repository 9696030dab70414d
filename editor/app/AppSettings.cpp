#include "editor/app/AppSettings.h"

#include "framework/ProfileStore.h"

namespace {

uint32_t ReadColour(fw::ProfileStore& profile, const char* section, const char* r, const char* g, const char* b,
                    int32_t fallback)
{
    const auto byte = [&](const char* key) { return uint32_t(profile.GetInt(section, key, fallback)) & 0xFF; };
    return byte(r) | byte(g) << 8 | byte(b) << 16;
}

void WriteColour(fw::ProfileStore& profile, const char* section, const char* r, const char* g, const char* b,
                 uint32_t colour)
{
    profile.WriteInt(section, r, int32_t(colour & 0xFF));
    profile.WriteInt(section, g, int32_t(colour >> 8 & 0xFF));
    profile.WriteInt(section, b, int32_t(colour >> 16 & 0xFF));
}

constexpr const char* kInterface = "INTERFACE";

}  // namespace

void LdAppSettings::LoadColors(fw::ProfileStore& profile)
{
    foreground = ReadColour(profile, "COLOR", "Fore_R", "Fore_G", "Fore_B", 255);
    background = ReadColour(profile, "COLOR", "Back_R", "Back_G", "Back_B", 0);
}

void LdAppSettings::SaveColors(fw::ProfileStore& profile) const
{
    WriteColour(profile, "COLOR", "Fore_R", "Fore_G", "Fore_B", foreground);
    WriteColour(profile, "COLOR", "Back_R", "Back_G", "Back_B", background);
}

void LdAppSettings::LoadInterface(fw::ProfileStore& profile)
{
    sound = profile.GetInt(kInterface, "Sound", 1);
    animation = profile.GetInt(kInterface, "Animation", 1);
    palette = profile.GetInt(kInterface, "Palette", 1);
    paletteX = profile.GetInt(kInterface, "PaletteX", -1);
    paletteY = profile.GetInt(kInterface, "PaletteY", -1);
    paletteW = profile.GetInt(kInterface, "PaletteW", -1);
    paletteH = profile.GetInt(kInterface, "PaletteH", -1);
    fill = profile.GetInt(kInterface, "Fill", 0);
    undoDepth = profile.GetInt(kInterface, "UndoDepth", 5);
}

void LdAppSettings::SaveInterface(fw::ProfileStore& profile) const
{
    profile.WriteInt(kInterface, "Sound", sound);
    profile.WriteInt(kInterface, "Animation", animation);
    profile.WriteInt(kInterface, "Palette", palette);
    profile.WriteInt(kInterface, "PaletteX", paletteX);
    profile.WriteInt(kInterface, "PaletteY", paletteY);
    profile.WriteInt(kInterface, "PaletteW", paletteW);
    profile.WriteInt(kInterface, "PaletteH", paletteH);
    profile.WriteInt(kInterface, "Fill", fill);
    profile.WriteInt(kInterface, "UndoDepth", undoDepth);
}

void LdLoadBrushParams(fw::ProfileStore& profile, CBrushParams& brush)
{
    brush.shape = profile.GetInt("BRUSH", "Shape", 0);
    brush.smooth = profile.GetInt("BRUSH", "Smooth", 0);
    brush.size = profile.GetInt("BRUSH", "Size", 15);
    brush.color = ReadColour(profile, "BRUSH", "R", "G", "B", 0);
}

void LdSaveBrushParams(fw::ProfileStore& profile, const CBrushParams& brush)
{
    profile.WriteInt("BRUSH", "Shape", brush.shape);
    profile.WriteInt("BRUSH", "Smooth", brush.smooth);
    profile.WriteInt("BRUSH", "Size", brush.size);
    WriteColour(profile, "BRUSH", "R", "G", "B", brush.color);
}

std::string LdPlugInFolder(fw::ProfileStore& profile, const std::string& programFolder)
{
    const std::string dir = profile.GetString("PLUGIN_DIR", "dir", "");
    std::string folder = programFolder;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    if (dir.empty())
        return folder + "Plugins";
    if (dir.front() == '/')
        return dir;
    return folder + dir;
}
