// The editor's settings of its sections "COLOR", "INTERFACE" and "BRUSH":
// read at start, written back at exit. Colours are built from the low byte
// of each stored value.
#pragma once

#include <cstdint>
#include <string>

#include "editor/loadable/ToolParams.h"

namespace fw {
class ProfileStore;
}

struct LdAppSettings {
    uint32_t foreground = 0x00FFFFFF;
    uint32_t background = 0;
    int32_t sound = 1;
    int32_t animation = 1;
    int32_t palette = 1;
    int32_t paletteX = -1, paletteY = -1, paletteW = -1, paletteH = -1;
    int32_t fill = 0;
    int32_t undoDepth = 5;

    void LoadColors(fw::ProfileStore& profile);
    void SaveColors(fw::ProfileStore& profile) const;
    // The nine "INTERFACE" values.
    void LoadInterface(fw::ProfileStore& profile);
    void SaveInterface(fw::ProfileStore& profile) const;
};

// "BRUSH": shape, smoothness, size and colour of the brush.
void LdLoadBrushParams(fw::ProfileStore& profile, CBrushParams& brush);
void LdSaveBrushParams(fw::ProfileStore& profile, const CBrushParams& brush);

// The plug-in folder: "PLUGIN_DIR" "dir" as an absolute folder as it is, a
// relative one under the program's folder, none at all the folder
// "Plugins" beside the program.
std::string LdPlugInFolder(fw::ProfileStore& profile, const std::string& programFolder);
