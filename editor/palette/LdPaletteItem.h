// One tool of the tool palette: an effect command with its label, the
// drawing colours it was last rendered with and a small preview picture (a
// packed 24-bit DIB). This base item is what a layout file may hold of a
// tool that runs nothing: applied, it leaves the picture as it is.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/Object.h"
#include "lang/Expr.h"

class CLdPaletteItem : public fw::Object {
    FW_DECLARE_SERIAL(CLdPaletteItem)

public:
    CLdPaletteItem() = default;
    // A new item for an effect command; colours 0x00BBGGRR. The first one
    // made sets the previews' picture to the default one.
    CLdPaletteItem(uint32_t commandId, std::string name, uint32_t background, uint32_t foreground);

    // The picture the tool makes of picture inside selection (a mask).
    virtual PpQnExpr Apply(const PpQnExpr& picture, const PpQnExpr& selection) const;
    // False when the tool cannot run in this program: the palette shows it
    // greyed and never applies it.
    virtual bool CanApply() const { return true; }
    // Whether the tool has parameters the user can choose again.
    virtual bool CanCustomize() const { return false; }
    void Serialize(fw::Archive& ar) override;

    uint32_t CommandId() const { return commandId_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    uint32_t Background() const { return background_; }
    uint32_t Foreground() const { return foreground_; }
    void SetColours(uint32_t background, uint32_t foreground);
    // The preview: a 40-byte header and bottom-up rows; empty for none.
    const std::vector<uint8_t>& Image() const { return image_; }
    void SetImage(std::vector<uint8_t> dib) { image_ = std::move(dib); }

private:
    uint32_t commandId_ = 0;
    std::string name_;
    uint32_t background_ = 0;
    uint32_t foreground_ = 0;
    std::vector<uint8_t> image_;
};

// The picture every preview is rendered from, one for the whole program.
// Every item read from a layout file replaces it with the path stored there.
const std::string& LdImageSourcePath();
void LdSetImageSourcePath(const std::string& path);
// The sample picture that comes with the program: "Palette.bmp" beside it.
std::string LdDefaultImagePath();
// A file of that name in the program's folder.
std::string LdProgramFolderFile(const std::string& name);
// A file the palette writes ("pal.dat", "Custom.bmp"): in the user's config
// folder, as the settings are, since the program's folder may not be writable.
std::string LdUserDataFile(const std::string& name);

// A command's menu text as a tool label: without "&" and ".".
std::string LdPaletteItemName(const std::string& menuText);
