// The palette tool of a built-in effect: the base item's record followed by
// the effect's stored parameter block. This program carries no effect
// modules yet, so such a tool is kept (and written back) exactly as read,
// shown greyed, and never applied.
#pragma once

#include "editor/palette/LdPaletteItem.h"

class CLdPlugInPaletteItem : public CLdPaletteItem {
    FW_DECLARE_SERIAL(CLdPlugInPaletteItem)

public:
    CLdPlugInPaletteItem() = default;
    CLdPlugInPaletteItem(uint32_t commandId, std::string name, uint32_t background, uint32_t foreground)
        : CLdPaletteItem(commandId, std::move(name), background, foreground)
    {
    }

    bool CanApply() const override { return false; }
    void Serialize(fw::Archive& ar) override;

    // The effect's parameters as the effect stored them; empty for none.
    const std::vector<uint8_t>& Parameters() const { return parameters_; }
    void SetParameters(std::vector<uint8_t> block) { parameters_ = std::move(block); }

private:
    std::vector<uint8_t> parameters_;
};
