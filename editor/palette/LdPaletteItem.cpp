#include "editor/palette/LdPaletteItem.h"

#include "framework/Archive.h"
#include "platform/ProgramLocation.h"
#include "platform/SettingsLocation.h"

#include <QCoreApplication>
#include <filesystem>

FW_IMPLEMENT_SERIAL(CLdPaletteItem, fw::Object, 1)

namespace {

std::string& ImageSource()
{
    static std::string path;
    return path;
}

} // namespace

const std::string& LdImageSourcePath() { return ImageSource(); }
void LdSetImageSourcePath(const std::string& path) { ImageSource() = path; }

std::string LdProgramFolderFile(const std::string& name)
{
    return (std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / name).string();
}

std::string LdUserDataFile(const std::string& name)
{
    return platform::SettingsLocation::ConfigFolder(platform::ProgramLocation::ProgramName()) + name;
}

std::string LdDefaultImagePath() { return LdProgramFolderFile("Palette.bmp"); }

std::string LdPaletteItemName(const std::string& menuText)
{
    std::string name;
    for (char c : menuText)
        if (c != '&' && c != '.')
            name += c;
    return name;
}

CLdPaletteItem::CLdPaletteItem(uint32_t commandId, std::string name, uint32_t background, uint32_t foreground)
    : commandId_(commandId), name_(std::move(name)), background_(background), foreground_(foreground)
{
    if (LdImageSourcePath().empty())
        LdSetImageSourcePath(LdDefaultImagePath());
}

PpQnExpr CLdPaletteItem::Apply(const PpQnExpr& picture, const PpQnExpr&) const { return picture; }

void CLdPaletteItem::SetColours(uint32_t background, uint32_t foreground)
{
    background_ = background;
    foreground_ = foreground;
}

void CLdPaletteItem::Serialize(fw::Archive& ar)
{
    if (ar.IsStoring()) {
        ar << commandId_ << name_ << LdImageSourcePath() << uint32_t(image_.size()) << background_ << foreground_;
        if (!image_.empty())
            ar.Write(image_.data(), image_.size());
        return;
    }
    uint32_t command = 0, size = 0, background = 0, foreground = 0;
    std::string name, source;
    ar >> command >> name >> source >> size >> background >> foreground;
    // A damaged size must not make the reader allocate what the file
    // cannot hold.
    ar.RequireStored(size);
    std::vector<uint8_t> image(size);
    if (size)
        ar.ReadExact(image.data(), size);
    commandId_ = command;
    name_ = std::move(name);
    background_ = background;
    foreground_ = foreground;
    image_ = std::move(image);
    LdSetImageSourcePath(source);
}
