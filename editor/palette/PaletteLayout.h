// What the tool palette holds: its tab captions and, for each tab, the tools
// in order; the default tools of a first start; and the layout file that
// keeps them between runs (a framework archive: the captions as a string
// array, a dword pane count, then each pane as an object array).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "editor/palette/LdPaletteItem.h"

namespace fw {
class Archive;
}

// The effect commands the palette offers, in the order "Add tool..." lists
// them, with their menu texts and the tab of the default layout.
struct LdPaletteEffect {
    uint32_t commandId;
    const char* menuText;
    int tab;
};
std::span<const LdPaletteEffect> LdPaletteEffects();
// The menu text of an effect command; empty for other commands.
std::string LdEffectMenuText(uint32_t commandId);

class CLdPaletteLayout {
public:
    using Pane = std::vector<std::unique_ptr<CLdPaletteItem>>;

    // The four tabs of a first start, three of them filled with the effect
    // tools, drawn in the given colours (0x00BBGGRR).
    static CLdPaletteLayout Default(uint32_t background, uint32_t foreground);

    void AddTab(const std::string& name);
    // Appends the tool of an effect command to a pane and returns it.
    CLdPaletteItem& AddEffectItem(size_t pane, uint32_t commandId, uint32_t background, uint32_t foreground);
    // Reading replaces the layout only when all of it was read; a damaged
    // archive raises its exception and leaves the layout as it was.
    void Serialize(fw::Archive& ar);

    const std::vector<std::string>& TabNames() const { return tabNames_; }
    std::vector<Pane>& Panes() { return panes_; }
    const std::vector<Pane>& Panes() const { return panes_; }

private:
    std::vector<std::string> tabNames_;
    std::vector<Pane> panes_;
};

// The layout file's place: "pal.dat" in the user's config folder.
std::string LdPaletteLayoutPath();
// The default layout shipped beside the program, "pal.default.dat": the
// default tools with their previews and their effects' first parameters,
// made when the program is built.
std::string LdShippedPaletteLayoutPath();

// The tools of a first start: the shipped layout, whose previews come from
// the program's own sample picture (which becomes the previews' picture)
// in the program's default colours; without a readable one, the default
// tools in the colours given, without previews.
CLdPaletteLayout LdDefaultPaletteLayout(const std::string& shipped, uint32_t background, uint32_t foreground);

// Reads the layout file. A file that does not exist or cannot be opened
// gives the default layout quietly; a damaged one gives the default layout,
// is moved aside to its path with ".damaged" added, and the returned
// message says so.
struct LdPaletteLoad {
    CLdPaletteLayout layout;
    std::optional<std::string> error;
};
LdPaletteLoad LdLoadPaletteLayout(const std::string& path, uint32_t background, uint32_t foreground,
                                  const std::string& shipped = LdShippedPaletteLayoutPath());
// Writes the layout file whole or not at all; raises the framework's file
// exception when it cannot.
void LdStorePaletteLayout(const std::string& path, CLdPaletteLayout& layout);
