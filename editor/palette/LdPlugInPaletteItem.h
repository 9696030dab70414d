// The palette tool of a built-in effect: the base item's record followed by
// the effect's stored parameter block. The item holds the effect's instance,
// which keeps the parameters chosen in the effect's dialog, so applying the
// tool runs the effect with them and no dialog. A command that is no effect
// of this program gives a tool that is kept (and written back) as read,
// shown greyed and never applied.
#pragma once

#include "editor/effects/PlugInInstance.h"
#include "editor/palette/LdPaletteItem.h"

class CLdPlugInPaletteItem : public CLdPaletteItem {
    FW_DECLARE_SERIAL(CLdPlugInPaletteItem)

public:
    CLdPlugInPaletteItem() = default;
    // A new tool for the effect of commandId: it asks for its parameters on
    // its first run.
    CLdPlugInPaletteItem(uint32_t commandId, std::string name, uint32_t background, uint32_t foreground);

    PpQnExpr Apply(const PpQnExpr& picture, const PpQnExpr& selection) const override;
    bool CanApply() const override { return bool(instance_); }
    bool CanCustomize() const override;
    void Serialize(fw::Archive& ar) override;

    // The effect's parameters as the effect stored them; empty for none.
    std::vector<uint8_t> Parameters() const;
    // Gives the tool a stored block, as a layout file would.
    void SetParameters(const std::vector<uint8_t>& block);

    // Customizing: a new instance with the same parameters that asks for
    // them again on its next run; the old one is given back to put back.
    PpPlugInInstance RenewInstance();
    void RestoreInstance(const PpPlugInInstance& instance) { instance_ = instance; }

private:
    PpPlugInInstance instance_;
    // The block of a command this program has no effect for, kept as read.
    std::vector<uint8_t> unknownParameters_;
};
