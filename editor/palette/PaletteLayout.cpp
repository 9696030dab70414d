#include "editor/palette/PaletteLayout.h"

#include "editor/palette/LdPlugInPaletteItem.h"
#include "framework/Archive.h"
#include "framework/ArchiveCollections.h"
#include "framework/DiskFile.h"
#include "framework/Exception.h"

#include <filesystem>
#include <system_error>

namespace {

constexpr LdPaletteEffect kEffects[] = {
    {32811, "&3d mosaic...", 0},   {32812, "&Automatic brush...", 0}, {32809, "&Emboss...", 0},
    {32813, "E&ngrave...", 0},     {32807, "&Faceted glass...", 0},   {32810, "&Graphic pen...", 0},
    {32805, "&Hand drawing", 0},   {32808, "&Mosaic...", 0},          {32815, "Oil &paint...", 0},
    {32817, "&Relief...", 0},      {32806, "&Scatter...", 0},         {32816, "So&larize...", 0},
    {32818, "S&trokes...", 0},     {32824, "P&erspective...", 1},     {32822, "P&inch...", 1},
    {32823, "P&unch...", 1},       {32832, "&Random...", 1},          {32820, "Ru&bber...", 1},
    {32825, "&Warp...", 1},        {32827, "W&ave...", 1},            {32826, "Whir&l...", 1},
    {32837, "&Canvas", 2},         {32838, "C&racks", 2},             {32839, "&Mosaic", 2},
    {32840, "&Padding", 2},
};

constexpr const char* kTabNames[] = {"Artwork", "Deformations", "Textures", "Custom"};

} // namespace

std::span<const LdPaletteEffect> LdPaletteEffects() { return kEffects; }

std::string LdEffectMenuText(uint32_t commandId)
{
    for (const LdPaletteEffect& e : kEffects)
        if (e.commandId == commandId)
            return e.menuText;
    return {};
}

CLdPaletteLayout CLdPaletteLayout::Default(uint32_t background, uint32_t foreground)
{
    CLdPaletteLayout layout;
    for (const char* name : kTabNames)
        layout.AddTab(name);
    for (const LdPaletteEffect& e : kEffects)
        layout.AddEffectItem(size_t(e.tab), e.commandId, background, foreground);
    return layout;
}

void CLdPaletteLayout::AddTab(const std::string& name)
{
    tabNames_.push_back(name);
    panes_.emplace_back();
}

CLdPaletteItem& CLdPaletteLayout::AddEffectItem(size_t pane, uint32_t commandId, uint32_t background,
                                                uint32_t foreground)
{
    auto item = std::make_unique<CLdPlugInPaletteItem>(commandId, LdPaletteItemName(LdEffectMenuText(commandId)),
                                                       background, foreground);
    CLdPaletteItem& added = *item;
    panes_.at(pane).push_back(std::move(item));
    return added;
}

void CLdPaletteLayout::Serialize(fw::Archive& ar)
{
    if (ar.IsStoring()) {
        fw::SerializeStrings(ar, tabNames_);
        ar << uint32_t(panes_.size());
        for (Pane& pane : panes_)
            fw::SerializeObjects(ar, pane);
        return;
    }
    std::vector<std::string> names;
    fw::SerializeStrings(ar, names);
    uint32_t count = 0;
    ar >> count;
    ar.RequireStored(count, 2);
    std::vector<Pane> panes(count);
    for (Pane& pane : panes)
        fw::SerializeObjects(ar, pane);
    // Every file this program writes has a caption for each pane; one that
    // does not keeps all its tools under numbered captions or empty tabs.
    while (names.size() < panes.size())
        names.push_back("Tab " + std::to_string(names.size() + 1));
    panes.resize(names.size());
    tabNames_ = std::move(names);
    panes_ = std::move(panes);
}

std::string LdPaletteLayoutPath() { return LdUserDataFile("pal.dat"); }

std::string LdShippedPaletteLayoutPath() { return LdProgramFolderFile("pal.default.dat"); }

CLdPaletteLayout LdDefaultPaletteLayout(const std::string& shipped, uint32_t background, uint32_t foreground)
{
    CLdPaletteLayout layout;
    const std::string source = LdImageSourcePath();
    try {
        fw::DiskFile file(shipped, fw::DiskFile::kRead);
        fw::Archive ar(file, fw::Archive::load);
        layout.Serialize(ar);
        // Its records name the sample picture where the program was built.
        LdSetImageSourcePath(LdDefaultImagePath());
        return layout;
    } catch (const fw::Exception&) {
        LdSetImageSourcePath(source);
        // Rendering the previews here would run every effect, and each
        // would ask for its parameters: the tools start without them.
        return CLdPaletteLayout::Default(background, foreground);
    }
}

LdPaletteLoad LdLoadPaletteLayout(const std::string& path, uint32_t background, uint32_t foreground,
                                  const std::string& shipped)
{
    LdPaletteLoad load;
    std::unique_ptr<fw::DiskFile> file;
    try {
        file = std::make_unique<fw::DiskFile>(path, fw::DiskFile::kRead);
    } catch (const fw::FileException&) {
        load.layout = LdDefaultPaletteLayout(shipped, background, foreground);
        return load;
    }
    const std::string source = LdImageSourcePath();
    try {
        fw::Archive ar(*file, fw::Archive::load);
        load.layout.Serialize(ar);
        return load;
    } catch (const fw::Exception& e) {
        file.reset();
        LdSetImageSourcePath(source);
        load.layout = LdDefaultPaletteLayout(shipped, background, foreground);
        const std::string kept = path + ".damaged";
        std::error_code failed;
        std::filesystem::rename(path, kept, failed);
        load.error = "The tool palette file " + path + " cannot be read (" + e.GetErrorMessage() +
                     "). The palette starts with its default tools; " +
                     (failed ? std::string("the file is left as it is.")
                             : "the damaged file was kept as " + kept + ".");
        return load;
    }
}

void LdStorePaletteLayout(const std::string& path, CLdPaletteLayout& layout)
{
    fw::DiskFile file(path, fw::DiskFile::kSafeSave);
    fw::Archive ar(file, fw::Archive::store);
    layout.Serialize(ar);
    ar.Close();
    file.Commit();
}
